// "Speichern": both files rewritten byte for byte from the two lists and the edit state
// reset, or, on any failure, one warning and nothing changed.

#include "fixture.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>

using namespace quirnel::testing;
namespace {

// clang-format off
const QByteArray oldBirthdays = "05.12.1976     Hans Muster\r\n", oldAppointments = "05.12.2026  ************   Ganztags\n";
const QByteArray readableAgain = "01.01.1950     Unbekannt\r\n", newBirthdays = oldBirthdays + "24.12.1970     J\xFCrgen \xD6\xDF\r\n";
const QByteArray newAppointments = "02.01.2027  ************   Inventur   \r\n05.12.2026  ************   Ganztags\r\n"
                                   "31.12.2026  23:59 Uhr   Silvester \x84" "Feier\x93 \x96 5 \x80\r\n";

// A birthday and two appointments typed in, then a name left in its field.
const std::vector<Step> typing{gDaten, Type("nameField", "Jürgen Öß"), Type("dateField", "24.12.1970"), einfuegen, Click("appointmentModeButton"),
    Type("nameField", "Silvester „Feier“ – 5 €"), Type("timeField", "23:59"), Type("dateField", "31.12.2026"), einfuegen, Type("nameField", "Inventur   "),
    Type("dateField", "02.01.2027"), einfuegen, Type("nameField", "halb")};

// A save empties the fields, shows the counts in green and lets the user go on.
const QStringList saved{"#00ff00", "", "2  Nam.    3  Term.", "2", "3", "saveButton disabled", "discardButton enabled", "exitButton enabled", "birthdayList enabled"};

enum class Fault { None, Folder, Immutable, UnreadableAtStart };
// The warning is a pattern with %1 for the failing file, as the system's reason varies.
const char *const refused = "Speichern nicht möglich\\|Die Datei \"%1\" konnte beim Start nicht gelesen werden\\. Damit ihr Inhalt nicht verloren geht, wird nicht gespeichert\\.\n\nBitte das Programm neu starten, sobald die Datei wieder lesbar ist\\.";
const struct Row { const char *name; Fault fault; const char *file, *warning; QByteArray birthdays, appointments; } rows[] = {
    {"both_written", Fault::None, "", "", newBirthdays, newAppointments},
    // A folder in place of the file: neither file is replaced.
    {"appointment_file_is_a_folder", Fault::Folder, "termin.dat", "Speichern nicht möglich\\|Die Datei \"%1\" wurde von einem anderen Programm geändert und lässt sich nicht lesen:\nSie ist keine gewöhnliche Datei\\.\n\nDamit nichts verloren geht, wird nicht gespeichert\\.", oldBirthdays, "<missing>"},
    // The old file survives: it is replaced only once the new one is complete.
    {"immutable_folder", Fault::Immutable, "geburt.dat", "Speichern fehlgeschlagen\\|Die Datei \"%1\" konnte nicht gespeichert werden:\n.+\n\nDie Änderungen sind nicht gespeichert\\.", oldBirthdays, oldAppointments},
    // What could not be read at start may hold lines the list lacks, readable again or not.
    {"birthdays_unreadable_at_start", Fault::UnreadableAtStart, "geburt.dat", refused, readableAgain, oldAppointments},
    {"appointments_unreadable_at_start", Fault::UnreadableAtStart, "termin.dat", refused, oldBirthdays, readableAgain},
};
// clang-format on

class Save : public WindowTest, public ::testing::WithParamInterface<Row>
{ };

TEST_P(Save, BothFilesByteForByteOrOneWarningAndNothingChanged)
{
    const Row &row = GetParam();
    const auto editState = [this] {
        QStringList state{control("saveStatus")->palette().color(QPalette::Window).name(),
                          text("nameField"), text("saveStatus"), text("birthdayFileCount"),
                          text("appointmentFileCount")};
        for (const char *name : {"saveButton", "discardButton", "exitButton", "birthdayList"})
            state << QString(name) + (enabled(name) ? " enabled" : " disabled");
        return state;
    };
    const auto folder
        = [&] { return QFile::remove(dir.filePath(row.file)) && QDir(dir.path()).mkdir(row.file); };
    writeFile("geburt.dat", oldBirthdays);
    writeFile("termin.dat", oldAppointments);
    ASSERT_TRUE(row.fault != Fault::UnreadableAtStart || folder());
    start();
    if (row.fault == Fault::UnreadableAtStart) {
        ASSERT_EQ(std::exchange(dialogs.warnings, {}).size(), 1); // "Datei nicht lesbar"
        ASSERT_TRUE(QDir(dir.filePath(row.file)).removeRecursively());
        writeFile(row.file, readableAgain);
    }
    run(typing);
    const QStringList before = editState();
    ASSERT_TRUE(row.fault != Fault::Folder || folder());
    // Root ignores permission bits, but not the immutable flag.
    const auto mutableAgain = qScopeGuard([&] { QProcess::execute("chattr", {"-i", dir.path()}); });
    if (row.fault == Fault::Immutable && QProcess::execute("chattr", {"+i", dir.path()}) != 0)
        GTEST_SKIP() << "chattr +i does not work here";

    run({speichern});

    ASSERT_EQ(dialogs.warnings.size(), row.fault == Fault::None ? 0 : 1);
    for (const QString &given : dialogs.warnings) {
        const QRegularExpression warning("^" + QString(row.warning).arg(row.file) + "$");
        EXPECT_TRUE(warning.match(given).hasMatch()) << given.toStdString();
    }
    EXPECT_TRUE(sameBytes(row.birthdays, readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(row.appointments, readFile("termin.dat")));
    EXPECT_EQ(editState(), row.fault == Fault::None ? saved : before);
}

INSTANTIATE_TEST_SUITE_P(Rows, Save, ::testing::ValuesIn(rows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

// Another program appends to geburt.dat while the user edits: both additions are saved,
// the list shows them, and one warning says what came from outside.
TEST_F(WindowTest, SaveMergesWhatAnotherProgramAdded)
{
    start(oldBirthdays, oldAppointments);
    run({gDaten, Type("nameField", "Jürgen Öß"), Type("dateField", "24.12.1970"), einfuegen});
    writeFile("geburt.dat", oldBirthdays + "01.01.1950     Anna\r\n");
    run({speichern});
    const QByteArray merged = "01.01.1950     Anna\r\n" + newBirthdays;
    EXPECT_TRUE(sameBytes(merged, readFile("geburt.dat")));
    EXPECT_EQ(lines("birthdayList").join("\r\n") + "\r\n", QString::fromLatin1(merged));
    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(dialogs.warnings[0].startsWith(
        "Datei von außen geändert|Die Datei \"geburt.dat\" wurde seit dem Laden von einem "
        "anderen Programm geändert.\nDort hinzugekommen (1):\n   01.01.1950     Anna\n\n"))
        << dialogs.warnings[0].toStdString();
    EXPECT_EQ(text("birthdayListCount"), "3");
}
