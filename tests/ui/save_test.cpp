// "Speichern": both files rewritten byte for byte from the two lists and the edit state
// reset, or, on any failure, one warning and nothing changed.

#include "fixture.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>

namespace quirnel::testing {
namespace {

const QByteArray oldBirthdays = "05.12.1976     Hans Muster\r\n";
const QByteArray oldAppointments = "05.12.2026  ************   Ganztags\n";
const QByteArray readableAgain = "01.01.1950     Unbekannt\r\n";
const QByteArray newBirthdays = oldBirthdays + "24.12.1970     J\xFCrgen \xD6\xDF\r\n";
const QByteArray newAppointments = "02.01.2027  ************   Inventur   \r\n"
                                   "05.12.2026  ************   Ganztags\r\n"
                                   "31.12.2026  23:59 Uhr   Silvester \x84" "Feier\x93 \x96 5 \x80\r\n";

// A birthday and two appointments typed in, then a name left in its field.
const std::vector<Step> typing{
    Click{"birthdayEditButton"}, Type{"nameField", "Jürgen Öß"}, Type{"dateField", "24.12.1970"},
    Click{"insertButton"}, Click{"appointmentModeButton"},
    Type{"nameField", "Silvester „Feier“ – 5 €"}, Type{"timeField", "23:59"},
    Type{"dateField", "31.12.2026"}, Click{"insertButton"}, Type{"nameField", "Inventur   "},
    Type{"dateField", "02.01.2027"}, Click{"insertButton"}, Type{"nameField", "halb"}};

enum class Fault { None, Folder, Immutable, UnreadableAtStart };

// The warning is a pattern with %1 for the failing file, as the system's reason varies.
const char *const refused = "Speichern nicht möglich\\|Die Datei \"%1\" konnte beim Start nicht gelesen werden\\. Damit ihr Inhalt nicht verloren geht, wird nicht gespeichert\\.\n\nBitte das Programm neu starten, sobald die Datei wieder lesbar ist\\.";
const struct Row {
    const char *name;
    Fault fault;
    const char *file, *warning;
    QByteArray birthdays, appointments; // the files afterwards
} rows[] = {
    {"both_written", Fault::None, "", "", newBirthdays, newAppointments},
    // A folder reads as missing; the birthdays are written before the appointments fail.
    {"appointment_file_is_a_folder", Fault::Folder, "termin.dat", "Speichern fehlgeschlagen\\|Die Datei \"%1\" konnte nicht gespeichert werden:\n.+\n\nDie Geburtstage sind gespeichert, die Termine nicht\\.", newBirthdays, "<missing>"},
    // The old file survives: it is replaced only once the new one is complete.
    {"immutable_folder", Fault::Immutable, "geburt.dat", "Speichern fehlgeschlagen\\|Die Datei \"%1\" konnte nicht gespeichert werden:\n.+\n\nDie Änderungen sind nicht gespeichert\\.", oldBirthdays, oldAppointments},
    // What could not be read at start may hold lines the list lacks, readable again or not.
    {"birthdays_unreadable_at_start", Fault::UnreadableAtStart, "geburt.dat", refused, readableAgain, oldAppointments},
    {"appointments_unreadable_at_start", Fault::UnreadableAtStart, "termin.dat", refused, oldBirthdays, readableAgain},
};

bool matches(const char *pattern, const char *file, const QString &warning)
{
    return QRegularExpression("^" + QString(pattern).arg(file) + "$").match(warning).hasMatch();
}

class Save : public WindowTest, public ::testing::WithParamInterface<Row>
{ };

TEST_P(Save, BothFilesByteForByteOrOneWarningAndNothingChanged)
{
    const Row &row = GetParam();
    const auto editState = [this] {
        QStringList state;
        for (const char *name : {"nameField", "dateField", "timeField", "saveStatus", "birthdayFileCount",
                                 "appointmentFileCount", "birthdayListCount", "appointmentListCount"})
            state << text(name);
        for (const char *name : {"saveButton", "discardButton", "exitButton", "birthdayList", "appointmentList"})
            state << QString(name) + (enabled(name) ? " enabled" : " disabled");
        return state << control("saveStatus")->palette().color(QPalette::Window).name();
    };
    const auto folder = [&] {
        return QFile::remove(path(row.file)) && QDir(dir.path()).mkpath(QString(row.file) + "/x");
    };
    writeFile("geburt.dat", oldBirthdays);
    writeFile("termin.dat", oldAppointments);
    ASSERT_TRUE(row.fault != Fault::UnreadableAtStart || folder());
    start();
    if (row.fault == Fault::UnreadableAtStart) {
        ASSERT_EQ(dialogs.warnings.size(), 1);
        EXPECT_TRUE(matches("Datei nicht lesbar\\|Die Datei \"%1\" konnte nicht gelesen werden:\n.+\n\nDie Liste "
                            "bleibt leer, und die Datei wird nicht überschrieben\\.",
                            row.file, dialogs.warnings.takeFirst()));
        EXPECT_EQ(lines(QByteArray(row.file) == "geburt.dat" ? "birthdayList" : "appointmentList"), QStringList());
        ASSERT_TRUE(QDir(path(row.file)).removeRecursively());
        writeFile(row.file, readableAgain);
    }
    run(typing);
    const QStringList lists = lines("birthdayList") + lines("appointmentList");
    const QStringList before = editState();
    ASSERT_TRUE(row.fault != Fault::Folder || folder());
    // Root ignores permission bits, but not the immutable flag.
    const auto mutableAgain = qScopeGuard([&] {
        if (row.fault == Fault::Immutable)
            QProcess::execute("chattr", {"-i", dir.path()});
    });
    if (row.fault == Fault::Immutable && QProcess::execute("chattr", {"+i", dir.path()}) != 0)
        GTEST_SKIP() << "chattr +i does not work here";

    run({Click{"saveButton"}});

    ASSERT_EQ(dialogs.warnings.size(), row.fault == Fault::None ? 0 : 1);
    for (const QString &warning : dialogs.warnings)
        EXPECT_TRUE(matches(row.warning, row.file, warning)) << warning.toStdString();
    EXPECT_EQ(lines("birthdayList") + lines("appointmentList"), lists);
    EXPECT_TRUE(sameBytes(row.birthdays, readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(row.appointments, readFile("termin.dat")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList({"geburt.dat", "termin.dat"}));
    if (row.fault != Fault::None) {
        EXPECT_EQ(editState(), before);
        return;
    }
    EXPECT_EQ(text("saveStatus"), "2  Nam.    3  Term.");
    EXPECT_EQ(control("saveStatus")->palette().color(QPalette::Window), QColor(0, 255, 0));
    EXPECT_EQ(text("birthdayFileCount"), "2");
    EXPECT_EQ(text("appointmentFileCount"), "3");
    EXPECT_EQ(text("nameField"), "");
    expectLooks({{"saveButton", Is::Disabled}, {"discardButton", Is::Enabled}, {"exitButton", Is::Enabled},
                 {"birthdayList", Is::Enabled}, {"appointmentList", Is::Enabled}});
}

INSTANTIATE_TEST_SUITE_P(Rows, Save, ::testing::ValuesIn(rows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quirnel::testing
