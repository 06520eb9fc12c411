// "Speichern": both files rewritten byte for byte from the two data lists and the edit
// state reset, or, on any failure, one warning and nothing changed.

#include "fixture.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScopeGuard>

namespace quirnel::testing {
namespace {

enum class Fault { None, Folder, Immutable, Unstorable, Unreadable };

// The warning is a pattern with %1 for the file that fails, as the system's reason varies;
// the files and the edit state after the save are given where they change.
// clang-format off
const char *const unreadable = "Speichern nicht möglich\\|Die Datei \"%1\" konnte beim Start nicht gelesen werden\\. Damit ihr Inhalt nicht verloren geht, wird nicht gespeichert\\.\n\nBitte das Programm neu starten, sobald die Datei wieder lesbar ist\\.";
const char *const newBirthdays = "05.12.1976     Hans Muster\r\n24.12.1970     J\xFCrgen \xD6\xDF\r\n";
const struct Row { const char *name; Fault fault; const char *file, *warning, *birthdays, *appointments, *state; } rows[] = {
    {"both_written", Fault::None, "", "", newBirthdays, "02.01.2027  ************   Inventur   \r\n05.12.2026  ************   Ganztags\r\n31.12.2026  23:59 Uhr   Silvester \x84" "Feier\x93 \x96 5 \x80\r\n", "|2|3|2  Nam.    3  Term.|-+#00ff00"},
    // A folder reads as missing; the birthdays are written before the appointments fail.
    {"appointment_file_is_a_folder", Fault::Folder, "termin.dat", "Speichern fehlgeschlagen\\|Die Datei \"%1\" konnte nicht gespeichert werden:\n.+\n\nDie Geburtstage sind gespeichert, die Termine nicht\\.", newBirthdays, "<missing>", nullptr},
    // The old file must survive: it is replaced only once the new one is complete.
    {"immutable_folder", Fault::Immutable, "geburt.dat", "Speichern fehlgeschlagen\\|Die Datei \"%1\" konnte nicht gespeichert werden:\n.+\n\nDie Änderungen sind nicht gespeichert\\.", nullptr, nullptr, nullptr},
    {"entry_beyond_windows_1252", Fault::Unstorable, "termin.dat", "Speichern nicht möglich\\|Der Eintrag\n05\\.12\\.2026  10:00 Uhr   Tee 中\nenthält ein Zeichen, das in der Datei \"%1\" nicht gespeichert werden kann\\.\n\nBitte den Eintrag ändern; es wurde nichts gespeichert\\.", nullptr, nullptr, nullptr},
    // What could not be read at start may hold data the list lacks, readable again or not.
    {"birthdays_unreadable_at_start", Fault::Unreadable, "geburt.dat", unreadable, nullptr, nullptr, nullptr},
    {"appointments_unreadable_at_start", Fault::Unreadable, "termin.dat", unreadable, nullptr, nullptr, nullptr},
};
// clang-format on

bool matches(const char *pattern, const char *file, const QString &warning)
{
    return QRegularExpression("^" + QString(pattern).arg(file) + "$").match(warning).hasMatch();
}

class Save : public WindowTest, public ::testing::WithParamInterface<Row>
{ };

TEST_P(Save, BothFilesWrittenAndEditStateResetOrOneWarningAndNothingChanged)
{
    const Row &row = GetParam();
    const int failing = QByteArray(row.file) == "geburt.dat" ? 0 : 1;
    QByteArray files[]
        = {"05.12.1976     Hans Muster\r\n", "05.12.2026  ************   Ganztags\n"};
    writeFile("geburt.dat", files[0]);
    writeFile("termin.dat", files[1]);
    const auto folder = [&] {
        return QFile::remove(path(row.file)) && QDir(dir.path()).mkpath(QString(row.file) + "/x");
    };
    ASSERT_TRUE(row.fault != Fault::Unreadable || folder());
    start();
    if (row.fault == Fault::Unreadable) {
        EXPECT_TRUE(lines(failing ? "TBOX" : "List4").isEmpty());
        ASSERT_EQ(dialogs.warnings.size(), 1);
        EXPECT_TRUE(
            matches("Datei nicht lesbar\\|Die Datei \"%1\" konnte nicht gelesen werden:\n.+\n\n"
                    "Die Liste bleibt leer, und die Datei wird nicht überschrieben\\.",
                    row.file, dialogs.warnings.takeFirst()));
        ASSERT_TRUE(QDir(path(row.file)).removeRecursively());
        writeFile(row.file, files[failing] = "01.01.1950     Unbekannt\r\n");
    }
    window().List4->add("24.12.1970     Jürgen Öß");
    window().TBOX->add("31.12.2026  23:59 Uhr   Silvester „Feier“ – 5 €");
    window().TBOX->add(row.fault == Fault::Unstorable ? "05.12.2026  10:00 Uhr   Tee 中"
                                                      : "02.01.2027  ************   Inventur   ");
    // What edit mode leaves behind: a filled field, a parked entry, a disabled button.
    control<QLineEdit>("Text4")->setText("x");
    window().List9->add("removed appointment");
    control("Command8")->setEnabled(false);
    const auto editState = [this] {
        return lines("List9").join('/') + text("Text4") + "|" + text("Text6") + "|" + text("Text15")
            + "|" + text("Label10") + "|" + (enabled("Command7") ? "+" : "-")
            + (enabled("Command8") ? "+" : "-")
            + control("Label10")->palette().color(QPalette::Window).name();
    };
    const QStringList lists = lines("List4") + lines("TBOX");
    const QString state = row.state ? row.state : editState();
    ASSERT_TRUE(row.fault != Fault::Folder || folder());
    // Root ignores permission bits, but not the immutable flag.
    if (row.fault == Fault::Immutable && QProcess::execute("chattr", {"+i", dir.path()}) != 0)
        GTEST_SKIP() << "chattr +i does not work here";
    const auto mutableAgain = qScopeGuard([&] { QProcess::execute("chattr", {"-i", dir.path()}); });

    window().Command7_Click();

    ASSERT_EQ(dialogs.warnings.size(), row.fault == Fault::None ? 0 : 1);
    for (const QString &warning : dialogs.warnings)
        EXPECT_TRUE(matches(row.warning, row.file, warning)) << warning.toStdString();
    EXPECT_EQ(lines("List4") + lines("TBOX"), lists);
    EXPECT_EQ(editState(), state);
    EXPECT_TRUE(
        sameBytes(row.birthdays ? QByteArray(row.birthdays) : files[0], readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(row.appointments ? QByteArray(row.appointments) : files[1],
                          readFile("termin.dat")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"geburt.dat", "termin.dat"}));
}

INSTANTIATE_TEST_SUITE_P(Rows, Save, ::testing::ValuesIn(rows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quirnel::testing
