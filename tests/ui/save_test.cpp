// "Speichern": both files rewritten byte for byte from the two data lists, the edit
// state reset on success, and nothing changed when a file cannot be written.

#include "fixture.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>

#include <array>
#include <cstdio>
#include <optional>
#include <ostream>

namespace quirnel::testing {
namespace {

const QColor green(0, 255, 0);
const QColor paleRed(255, 192, 192);

class Save : public WindowTest
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QColor label10Colour() const
    {
        return control<QLabel>("Label10")->palette().color(QPalette::Window);
    }

    // Unsaved edits as edit mode leaves them: filled fields, parked entries.
    void pendingEdits()
    {
        control<QLineEdit>("Text4")->setText(QStringLiteral("Neu"));
        control<QLineEdit>("Text5")->setText(QStringLiteral("01.02.2003"));
        control<QLineEdit>("Text10")->setText(QStringLiteral("10:30"));
        control<QLineEdit>("Text12")->setText(QStringLiteral("held birthday"));
        control<QLineEdit>("Text14")->setText(QStringLiteral("held appointment"));
        control<ui::ListBox>("List9")->add(QStringLiteral("removed appointment"));
        control<ui::ListBox>("List10")->add(QStringLiteral("removed birthday"));
        control("Command7")->setEnabled(true);
    }
};

TEST_F(Save, WritesBothFilesAndResetsTheEditState)
{
    writeFile("geburt.dat",
              "24.12.1970     J\xFCrgen \x80\n"
              "05.12.1976     Hans Muster\n");
    writeFile("termin.dat",
              "05.12.2026  ************   Ganztags\r\n"
              "01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n");
    start();
    control<ui::ListBox>("List4")->add(QStringLiteral("01.02.2003     anna Klein"));
    control<ui::ListBox>("TBOX")->add(
        QStringLiteral("31.12.2026  23:59 Uhr   Silvester „Feier“ – 5 €"));
    control<ui::ListBox>("TBOX")->add(QStringLiteral("02.01.2027  ************   Inventur   "));
    pendingEdits();
    for (const char *name : {"Command8", "Command15", "TBOX", "List4"})
        control(name)->setEnabled(false);
    for (const char *name : {"O1_0", "O2", "O3", "Label23", "Line6"})
        control(name)->show();
    ASSERT_EQ(label10Colour(), paleRed);

    window().Command7_Click();

    EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join('\n').toStdString();
    EXPECT_TRUE(sameBytes("01.02.2003     anna Klein\r\n"
                          "05.12.1976     Hans Muster\r\n"
                          "24.12.1970     J\xFCrgen \x80\r\n",
                          readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes("01.01.2027  09:00 Uhr   Zahnarzt, Dr. Berg\r\n"
                          "02.01.2027  ************   Inventur   \r\n"
                          "05.12.2026  ************   Ganztags\r\n"
                          "31.12.2026  23:59 Uhr   Silvester \x84"
                          "Feier\x93 \x96 5 \x80\r\n",
                          readFile("termin.dat")));

    EXPECT_TRUE(shown("Label10"));
    EXPECT_EQ(text("Label10"),
              "3"
              "  Nam."
              "    "
              "4"
              "  Term.");
    EXPECT_EQ(label10Colour(), green);
    EXPECT_TRUE(shown("Label11"));
    EXPECT_EQ(text("Text6"), "3");
    EXPECT_EQ(text("Text15"), "4");
    for (const char *name : {"Text4", "Text5", "Text10", "Text12", "Text14"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(text(name), "");
    }
    EXPECT_TRUE(lines("List9").isEmpty());
    EXPECT_TRUE(lines("List10").isEmpty());
    EXPECT_FALSE(enabled("Command7"));
    for (const char *name : {"Command8", "Command15", "TBOX", "List4"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(enabled(name));
    }
    for (const char *name : {"O1_0", "O2", "O3", "Label23", "Line6"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(shown(name));
    }
    // The data lists themselves are what was saved.
    EXPECT_EQ(lines("List4").size(), 3);
    EXPECT_EQ(lines("TBOX").size(), 4);
}

QByteArray everyByteButLineFeed()
{
    QByteArray bytes;
    for (int b = 1; b < 256; ++b) {
        if (b != '\n')
            bytes.append(static_cast<char>(b));
    }
    return bytes;
}

struct RoundTripRow {
    const char *name;
    std::optional<QByteArray> birthdays; // nullopt: no file at start
    std::optional<QByteArray> appointments;
    QByteArray savedBirthdays;
    QByteArray savedAppointments;
};

void PrintTo(const RoundTripRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array roundTripRows = {
    RoundTripRow{"no_files", std::nullopt, std::nullopt, "", ""},
    RoundTripRow{"only_appointments", std::nullopt, QByteArray("06.12.2026  18:00 Uhr   Chor\n"),
                 "", "06.12.2026  18:00 Uhr   Chor\r\n"},
    RoundTripRow{"empty_appointment_file", QByteArray("01.01.1970     Anna\r\n"), QByteArray(""),
                 "01.01.1970     Anna\r\n", ""},
    RoundTripRow{"lf_and_unsorted", QByteArray("b\nA\n\nc"), QByteArray("B\r\na"),
                 "\r\nA\r\nb\r\nc\r\n", "a\r\nB\r\n"},
    RoundTripRow{"every_byte", "31.12.1999     " + everyByteButLineFeed() + "\r\n",
                 QByteArray("\x80\r\n"), "31.12.1999     " + everyByteButLineFeed() + "\r\n",
                 "\x80\r\n"},
};

class SaveRoundTrip : public Save, public ::testing::WithParamInterface<RoundTripRow>
{ };

TEST_P(SaveRoundTrip, SaveThenStartAgainGivesTheSameLists)
{
    const RoundTripRow &row = GetParam();
    if (row.birthdays)
        writeFile("geburt.dat", *row.birthdays);
    if (row.appointments)
        writeFile("termin.dat", *row.appointments);
    start();
    const QStringList birthdays = lines("List4");
    const QStringList appointments = lines("TBOX");

    window().Command7_Click();

    EXPECT_TRUE(dialogs.warnings.isEmpty()) << dialogs.warnings.join('\n').toStdString();
    ASSERT_TRUE(QFileInfo(path("geburt.dat")).isFile());
    ASSERT_TRUE(QFileInfo(path("termin.dat")).isFile());
    EXPECT_TRUE(sameBytes(row.savedBirthdays, readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(row.savedAppointments, readFile("termin.dat")));

    start();
    EXPECT_EQ(lines("List4"), birthdays);
    EXPECT_EQ(lines("TBOX"), appointments);
    EXPECT_TRUE(dialogs.warnings.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Files, SaveRoundTrip, ::testing::ValuesIn(roundTripRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Failures leave the window as it was: the lists, the fields, the buttons, the status.
class SaveFailure : public Save
{
protected:
    const QByteArray oldBirthdays = "05.12.1976     Hans Muster\r\n";
    const QByteArray oldAppointments = "05.12.2026  09:00 Uhr   Arzt\r\n";

    void startWithFiles()
    {
        writeFile("geburt.dat", oldBirthdays);
        writeFile("termin.dat", oldAppointments);
        start();
        control<ui::ListBox>("List4")->add(QStringLiteral("06.12.1980     Neu Eintrag"));
        pendingEdits();
        birthdaysBefore = lines("List4");
        appointmentsBefore = lines("TBOX");
        dialogs.warnings.clear();
    }

    void expectNothingChanged()
    {
        EXPECT_EQ(lines("List4"), birthdaysBefore);
        EXPECT_EQ(lines("TBOX"), appointmentsBefore);
        EXPECT_EQ(text("Text4"), "Neu");
        EXPECT_EQ(text("Text5"), "01.02.2003");
        EXPECT_EQ(lines("List10"), QStringList{"removed birthday"});
        EXPECT_TRUE(enabled("Command7"));
        EXPECT_FALSE(shown("Label10"));
        EXPECT_NE(label10Colour(), green);
        EXPECT_EQ(text("Text6"), "1");
    }

    void expectOneWarningNaming(const QString &what)
    {
        ASSERT_EQ(dialogs.warnings.size(), 1) << dialogs.warnings.join('\n').toStdString();
        EXPECT_TRUE(dialogs.warnings[0].contains(what)) << dialogs.warnings[0].toStdString();
        EXPECT_TRUE(dialogs.questions.isEmpty());
    }

    QStringList birthdaysBefore;
    QStringList appointmentsBefore;
};

struct DirectoryRow {
    const char *name;
    const char *file;
};

void PrintTo(const DirectoryRow &row, std::ostream *out)
{
    *out << row.name;
}

constexpr const char *datafileNames[] = {"geburt.dat", "termin.dat"};

constexpr auto directoryRows = std::to_array<DirectoryRow>({
    {"birthday_file", "geburt.dat"},
    {"appointment_file", "termin.dat"},
});

class SaveOntoDirectory : public SaveFailure, public ::testing::WithParamInterface<DirectoryRow>
{ };

TEST_P(SaveOntoDirectory, WarnsAndKeepsEverything)
{
    const DirectoryRow &row = GetParam();
    startWithFiles();
    ASSERT_TRUE(QFile::remove(path(row.file)));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QString::fromUtf8(row.file) + "/inner"));

    window().Command7_Click();

    expectOneWarningNaming(QString::fromUtf8(row.file));
    expectNothingChanged();
    EXPECT_TRUE(QFileInfo(path(row.file) + "/inner").isDir());
}

INSTANTIATE_TEST_SUITE_P(Files, SaveOntoDirectory, ::testing::ValuesIn(directoryRows),
                         [](const auto &info) { return std::string(info.param.name); });

// Root ignores permission bits, but not the immutable flag.
class Immutable
{
public:
    explicit Immutable(const QString &path)
        : m_path(path)
    {
        m_on = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), m_path}) == 0;
    }
    ~Immutable() { off(); }
    Immutable(const Immutable &) = delete;
    Immutable &operator=(const Immutable &) = delete;

    bool isOn() const { return m_on; }
    void off()
    {
        if (m_on)
            m_on = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), m_path}) != 0;
    }

private:
    QString m_path;
    bool m_on = false;
};

TEST_F(SaveFailure, ImmutableFolderKeepsTheOldFiles)
{
    startWithFiles();
    Immutable guard(dir.path());
    QFile probe(path("probe"));
    if (!guard.isOn() || probe.open(QIODevice::WriteOnly)) {
        probe.remove();
        GTEST_SKIP() << "chattr +i does not stop writes here";
    }

    window().Command7_Click();

    expectOneWarningNaming(QStringLiteral("geburt.dat"));
    expectNothingChanged();
    guard.off();
    EXPECT_TRUE(sameBytes(oldBirthdays, readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(oldAppointments, readFile("termin.dat")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              (QStringList{"geburt.dat", "termin.dat"}));
}

class SaveAfterUnreadableStart : public SaveFailure,
                                 public ::testing::WithParamInterface<DirectoryRow>
{ };

// A file that could not be read at start may hold data the lists lack; saving over it
// would lose that data, even once the file is readable again.
TEST_P(SaveAfterUnreadableStart, SaveRefusesAndLeavesTheFile)
{
    const DirectoryRow &row = GetParam();
    const bool birthdays = QByteArray(row.file) == datafileNames[0];
    const char *other = birthdays ? datafileNames[1] : datafileNames[0];
    const QByteArray otherBytes = birthdays ? oldAppointments : oldBirthdays;
    writeFile(other, otherBytes);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QString::fromUtf8(row.file)));
    start();
    ASSERT_EQ(dialogs.warnings.size(), 1);
    dialogs.warnings.clear();
    pendingEdits();
    // The file becomes readable again, holding data the list never received.
    ASSERT_TRUE(QDir(dir.path()).rmdir(QString::fromUtf8(row.file)));
    const QByteArray unseen = "01.01.1950     Nicht geladen\r\n";
    writeFile(row.file, unseen);
    const QStringList birthdaysNow = lines("List4");
    const QStringList appointmentsNow = lines("TBOX");

    window().Command7_Click();

    expectOneWarningNaming(QString::fromUtf8(row.file));
    EXPECT_TRUE(sameBytes(unseen, readFile(row.file)));
    // Nothing at all is written, the readable file included.
    EXPECT_TRUE(sameBytes(otherBytes, readFile(other)));
    EXPECT_EQ(lines("List4"), birthdaysNow);
    EXPECT_EQ(lines("TBOX"), appointmentsNow);
    EXPECT_EQ(text("Text4"), "Neu");
    EXPECT_TRUE(enabled("Command7"));
    EXPECT_NE(label10Colour(), green);
}

INSTANTIATE_TEST_SUITE_P(Files, SaveAfterUnreadableStart, ::testing::ValuesIn(directoryRows),
                         [](const auto &info) { return std::string(info.param.name); });

struct UnstorableRow {
    const char *name;
    const char *list;
    QString entry;
};

void PrintTo(const UnstorableRow &row, std::ostream *out)
{
    *out << row.name;
}

const std::array unstorableRows = {
    UnstorableRow{"chinese_appointment", "TBOX",
                  QString::fromUtf8("05.12.2026  10:00 Uhr   Tee \u4E2D")},
    UnstorableRow{"emoji_birthday", "List4", QString::fromUtf8("07.12.1990     Eva \U0001F600")},
    UnstorableRow{"latin_extended_birthday", "List4", QString::fromUtf8("08.12.1990     Łukasz")},
};

class SaveUnstorable : public SaveFailure, public ::testing::WithParamInterface<UnstorableRow>
{ };

TEST_P(SaveUnstorable, SaveRefusedNamingTheEntry)
{
    const UnstorableRow &row = GetParam();
    startWithFiles();
    control<ui::ListBox>(row.list)->add(row.entry);
    birthdaysBefore = lines("List4");
    appointmentsBefore = lines("TBOX");

    window().Command7_Click();

    expectOneWarningNaming(row.entry);
    expectNothingChanged();
    EXPECT_TRUE(sameBytes(oldBirthdays, readFile("geburt.dat")));
    EXPECT_TRUE(sameBytes(oldAppointments, readFile("termin.dat")));
}

INSTANTIATE_TEST_SUITE_P(Entries, SaveUnstorable, ::testing::ValuesIn(unstorableRows),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quirnel::testing
