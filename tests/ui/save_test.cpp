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

class Save : public WindowTest
{
protected:
    // What edit mode leaves behind: filled fields, held lines, parked entries.
    void pendingEdits()
    {
        for (const char *field : {"Text4", "Text5", "Text10", "Text12", "Text14"})
            control<QLineEdit>(field)->setText("x");
        control<ui::ListBox>("List9")->add("removed appointment");
        control<ui::ListBox>("List10")->add("removed birthday");
        for (const char *name : {"O1_0", "O2", "O3", "Label23", "Line6"})
            control(name)->show();
        for (const char *name : {"Command7", "Command8", "Command15", "TBOX", "List4"})
            control(name)->setEnabled(QByteArray(name) == "Command7");
    }
    // Everything a save resets: texts, parked entries, controls enabled (+) and shown (S).
    QStringList editState() const
    {
        QStringList state{lines("List9").join('/') + "|" + lines("List10").join('/')};
        for (const char *name :
             {"Text4", "Text5", "Text10", "Text12", "Text14", "Text6", "Text15", "Label10"})
            state << text(name);
        for (const char *name : {"Command7", "Command8", "Command15", "TBOX", "List4", "O1_0", "O2",
                                 "O3", "Label23", "Line6", "Label10", "Label11"})
            state << name + QString(enabled(name) ? "+" : "-") + (shown(name) ? "S" : "H");
        return state << control("Label10")->palette().color(QPalette::Window).name();
    }
};

TEST_F(Save, WritesBothFilesAndResetsTheEditState)
{
    // Only termin.dat at start, with bare line feeds.
    writeFile("termin.dat", "05.12.2026  ************   Ganztags\n");
    start();
    for (const char *line : {"01.02.2003     anna Klein", "24.12.1970     Jürgen Öß"})
        control<ui::ListBox>("List4")->add(line);
    for (const char *line : {"31.12.2026  23:59 Uhr   Silvester „Feier“ – 5 €",
                             "02.01.2027  ************   Inventur   "})
        control<ui::ListBox>("TBOX")->add(line);
    pendingEdits();

    window().Command7_Click();

    EXPECT_TRUE(dialogs.warnings.isEmpty());
    EXPECT_TRUE(sameBytes("01.02.2003     anna Klein\r\n24.12.1970     J\xFCrgen \xD6\xDF\r\n",
                          readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes("02.01.2027  ************   Inventur   \r\n05.12.2026  ************   "
                          "Ganztags\r\n31.12.2026  23:59 Uhr   Silvester \x84"
                          "Feier\x93 \x96 5 \x80\r\n",
                          readFile("termin.dat")));
    // clang-format off
    EXPECT_EQ(editState(), (QStringList{"|", "", "", "", "", "", "2", "3", "2  Nam.    3  Term.", "Command7-H",
                                        "Command8+H", "Command15+S", "TBOX+H", "List4+S", "O1_0+H", "O2+H", "O3+H",
                                        "Label23+H", "Line6+H", "Label10+S", "Label11+S", "#00ff00"}));
    // clang-format on
}

enum class Fault { Folder, ImmutableFolder, Unstorable, UnreadableAtStart };

struct FailureRow {
    const char *name;
    Fault fault;
    const char *file; // the one that fails
    const char *warning;
};

// clang-format off
const FailureRow failureRows[] = {
    {"appointment_file_is_a_folder", Fault::Folder, "termin.dat", "Speichern fehlgeschlagen\\|Die Datei \"termin.dat\" konnte nicht gespeichert werden:\n.+\n\nDie Geburtstage sind gespeichert, die Termine nicht\\."},
    // The old file must survive: it is replaced only once the new one is complete.
    {"immutable_folder", Fault::ImmutableFolder, "geburt.dat", "Speichern fehlgeschlagen\\|Die Datei \"geburt.dat\" konnte nicht gespeichert werden:\n.+\n\nDie Änderungen sind nicht gespeichert\\."},
    {"entry_beyond_windows_1252", Fault::Unstorable, "termin.dat", "Speichern nicht möglich\\|Der Eintrag\n05\\.12\\.2026  10:00 Uhr   Tee 中\nenthält ein Zeichen, das in der Datei \"termin.dat\" nicht gespeichert werden kann\\.\n\nBitte den Eintrag ändern; es wurde nichts gespeichert\\."},
    // What could not be read at start may hold data the list lacks, readable again or not.
    {"birthdays_unreadable_at_start", Fault::UnreadableAtStart, "geburt.dat", "Speichern nicht möglich\\|Die Datei \"geburt.dat\" konnte beim Start nicht gelesen werden\\. Damit ihr Inhalt nicht verloren geht, wird nicht gespeichert\\.\n\nBitte das Programm neu starten, sobald die Datei wieder lesbar ist\\."},
    {"appointments_unreadable_at_start", Fault::UnreadableAtStart, "termin.dat", "Speichern nicht möglich\\|Die Datei \"termin.dat\" konnte beim Start nicht gelesen werden\\. Damit ihr Inhalt nicht verloren geht, wird nicht gespeichert\\.\n\nBitte das Programm neu starten, sobald die Datei wieder lesbar ist\\."},
};
// clang-format on

class SaveFailure : public Save, public ::testing::WithParamInterface<FailureRow>
{ };

TEST_P(SaveFailure, OneWarningAndNothingChanged)
{
    const FailureRow &row = GetParam();
    QByteArray birthdays = "05.12.1976     Hans Muster\r\n";
    QByteArray appointments = "05.12.2026  09:00 Uhr   Arzt\r\n";
    writeFile("geburt.dat", birthdays);
    writeFile("termin.dat", appointments);
    const bool birthdaysFail = QByteArray(row.file) == "geburt.dat";
    if (row.fault == Fault::UnreadableAtStart) {
        ASSERT_TRUE(QFile::remove(path(row.file)) && QDir(dir.path()).mkdir(row.file));
        start();
        EXPECT_TRUE(lines(birthdaysFail ? "List4" : "TBOX").isEmpty());
        ASSERT_EQ(dialogs.warnings.size(), 1);
        // clang-format off
        EXPECT_TRUE(QRegularExpression(QString("^Datei nicht lesbar\\|Die Datei \"%1\" konnte nicht gelesen werden:\n.+\n\nDie Liste bleibt leer, und die Datei wird nicht überschrieben\\.$").arg(row.file)).match(dialogs.warnings.takeFirst()).hasMatch());
        // clang-format on
        ASSERT_TRUE(QDir(dir.path()).rmdir(row.file));
        (birthdaysFail ? birthdays : appointments) = "01.01.1950     Unbekannt\r\n";
        writeFile(row.file, birthdaysFail ? birthdays : appointments);
    } else {
        start();
    }
    control<ui::ListBox>("List4")->add("06.12.1980     Neu Eintrag");
    if (row.fault == Fault::Unstorable)
        control<ui::ListBox>("TBOX")->add("05.12.2026  10:00 Uhr   Tee 中");
    pendingEdits();
    const QStringList lists = lines("List4") + lines("TBOX");
    const QStringList state = editState();
    ASSERT_TRUE(
        row.fault != Fault::Folder
        || (QFile::remove(path(row.file)) && QDir(dir.path()).mkpath(QString(row.file) + "/x")));
    // Root ignores permission bits, but not the immutable flag.
    const bool immutable = row.fault == Fault::ImmutableFolder;
    if (immutable && QProcess::execute("chattr", {"+i", dir.path()}) != 0)
        GTEST_SKIP() << "chattr +i does not work here";
    const auto mutableAgain = qScopeGuard([&] {
        if (immutable)
            QProcess::execute("chattr", {"-i", dir.path()});
    });

    window().Command7_Click();

    ASSERT_EQ(dialogs.warnings.size(), 1);
    EXPECT_TRUE(
        QRegularExpression("^" + QString(row.warning) + "$").match(dialogs.warnings[0]).hasMatch())
        << dialogs.warnings[0].toStdString();
    EXPECT_EQ(lines("List4") + lines("TBOX"), lists);
    EXPECT_EQ(editState(), state);
    // Only when termin.dat fails are the birthdays already written; a folder reads as missing.
    if (row.fault == Fault::Folder && !birthdaysFail)
        birthdays += "06.12.1980     Neu Eintrag\r\n";
    if (row.fault == Fault::Folder)
        (birthdaysFail ? birthdays : appointments) = "<missing>";
    for (const auto &[file, bytes] :
         {std::pair{"geburt.dat", birthdays}, {"termin.dat", appointments}})
        EXPECT_TRUE(sameBytes(bytes, readFile(file))) << file;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"geburt.dat", "termin.dat"}));
}

INSTANTIATE_TEST_SUITE_P(Faults, SaveFailure, ::testing::ValuesIn(failureRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quirnel::testing
