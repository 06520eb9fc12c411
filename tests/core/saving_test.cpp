// Saving over files that other programs, a failing disk or a crash have touched: the old
// bytes survive every failure, and what another program changed is merged, not lost.

#include "core/datafolder.h"
#include "core/saving.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quirnel;
using Status = datafile::ReadResult::Status;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<missing>";
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

QStringList entries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

} // namespace

// Run with the failing-disk shim preloaded: a read that breaks off is not the whole file,
// and a failing sync of the second file's copy is a failed save that replaced neither.
TEST(FailingIo, PartialReadAndFailedSync)
{
    if (qEnvironmentVariableIsEmpty("QUIRNEL_FAILING_IO"))
        GTEST_SKIP() << "needs the failing-disk shim";
    const QTemporaryDir dir;
    put(dir.filePath("geburt.dat"), "05.12.1976     Hans Muster\r\n");
    put(dir.filePath("termin.dat"), "old\r\n");
    const auto read = datafile::read(dir.filePath("geburt.dat"));
    EXPECT_EQ(read.status, Status::Unreadable);
    const auto written = datafile::write(
        {{dir.filePath("geburt.dat"), "new\r\n"}, {dir.filePath("termin.dat"), "new\r\n"}});
    ASSERT_TRUE(written.error);
    EXPECT_EQ(written.error->file, "termin.dat");
    EXPECT_EQ(written.replaced, 0);
    EXPECT_EQ(bytesOf(dir.filePath("termin.dat")), "old\r\n");
    EXPECT_EQ(entries(dir), QStringList({"geburt.dat", "termin.dat"}));
}

// Owner, group and mode of the old file are kept; a copy a crash left is removed, a file
// of the user's of a similar name is not; a second file that cannot be written leaves the
// first one as it was; a folder that cannot be searched is named.
TEST(Saving, FileAttributesLeftCopiesAndBothOrNeither)
{
    const QTemporaryDir dir;
    const QString geburt = dir.filePath("geburt.dat");
    put(geburt, "old\r\n");
    ASSERT_EQ(chmod(QFile::encodeName(geburt), 0640), 0);
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(QFile::encodeName(geburt), 1234, 5678), 0);
    }
    put(geburt + ".quirnel-x1Y2z3", "left by a crash");
    put(geburt + ".backup", "the user's own");
    ASSERT_FALSE(datafile::write(geburt, "new\r\n"));
    struct stat info { };
    ASSERT_EQ(stat(QFile::encodeName(geburt), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    if (root) {
        EXPECT_TRUE(info.st_uid == 1234 && info.st_gid == 5678);
    }
    EXPECT_EQ(entries(dir), QStringList({"geburt.dat", "geburt.dat.backup"}));

    const auto written
        = datafile::write({{geburt, "newer\r\n"}, {dir.filePath("missing/termin.dat"), "x\r\n"}});
    EXPECT_TRUE(written.error && written.error->file == "termin.dat" && written.replaced == 0);
    EXPECT_EQ(bytesOf(geburt), "new\r\n");
    EXPECT_EQ(entries(dir), QStringList({"geburt.dat", "geburt.dat.backup"}));

    // Root may search any folder: the child gives that up first.
    ASSERT_EQ(chmod(QFile::encodeName(dir.path()), 0700 | 0066), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (root && setuid(65534) != 0)
            _exit(2);
        const auto read = datafile::read(geburt);
        _exit(read.status == Status::Unreadable && read.error.startsWith("Der Ordner \"") ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0);
}

namespace {

struct MergeRow {
    const char *name;
    const char *loaded; // nullptr: no file at the start
    std::function<void(EditSession &)> user;
    const char *outside; // nullptr: the other program deletes the file
    const char *saved;
    int addedOutside, removedOutside;
};

void add(EditSession &s, const char *line)
{
    s.insert(DataList::Birthdays, line);
}

void remove(EditSession &s, const char *line)
{
    s.select(DataList::Birthdays, int(s.list(DataList::Birthdays).lines().indexOf(line)));
    ASSERT_TRUE(s.takeOutForDeleting());
}

// clang-format off
const MergeRow mergeRows[] = {
    {"appended_outside", "a\r\nc\r\n", [](EditSession &s) { add(s, "b"); }, "a\r\nc\r\nd\r\n", "a\r\nb\r\nc\r\nd\r\n", 1, 0},
    {"edited_outside", "a\r\nc\r\n", [](EditSession &s) { remove(s, "a"); }, "a\r\nC2\r\n", "C2\r\n", 1, 1},
    {"deleted_outside", "a\r\nc\r\n", [](EditSession &s) { add(s, "b"); }, nullptr, "b\r\n", 0, 2},
    {"created_after_the_start", nullptr, [](EditSession &s) { add(s, "b"); }, "A\nc\n", "A\r\nb\r\nc\r\n", 2, 0},
    {"same_line_added_on_both_sides", "a\r\n", [](EditSession &s) { add(s, "b"); }, "b\r\na\r\n", "a\r\nb\r\n", 1, 0},
    {"one_of_two_equal_lines_taken_out", "a\r\na\r\n", [](EditSession &s) { remove(s, "a"); }, "a\r\na\r\nz\r\n", "a\r\nz\r\n", 1, 0},
    {"rewritten_unchanged", "a\r\n", [](EditSession &s) { add(s, "B"); }, "a\r\n", "a\r\nB\r\n", -1, -1},
};
// clang-format on

class Merge : public ::testing::TestWithParam<MergeRow>
{ };

} // namespace

// Another program changes geburt.dat between load and save: the user's additions and
// removals go into its current content, and the list shows what was saved.
TEST_P(Merge, UserChangesGoIntoTheChangedFile)
{
    const MergeRow &row = GetParam();
    const QTemporaryDir dir;
    const QString geburt = dir.filePath("geburt.dat");
    if (row.loaded)
        put(geburt, row.loaded);
    EditSession session;
    auto read = datafile::read(geburt);
    session.load(DataList::Birthdays, read.lines, true, read.stamp);
    row.user(session);
    if (row.outside)
        put(geburt, row.outside);
    else
        ASSERT_TRUE(QFile::remove(geburt));

    const saving::Outcome outcome = saving::save(session, dir.path());

    ASSERT_EQ(outcome.problem, saving::Outcome::Problem::None) << outcome.detail.toStdString();
    EXPECT_EQ(bytesOf(geburt), row.saved);
    EXPECT_EQ(bytesOf(dir.filePath("termin.dat")), "");
    EXPECT_EQ(datafile::encode(session.list(DataList::Birthdays).lines()).bytes, row.saved);
    EXPECT_FALSE(session.hasUnsavedChanges() || session.held());
    ASSERT_EQ(outcome.outside.size(), row.addedOutside < 0 ? 0 : 1);
    if (row.addedOutside >= 0) {
        EXPECT_EQ(outcome.outside[0].file, "geburt.dat");
        EXPECT_EQ(outcome.outside[0].added.size(), row.addedOutside);
        EXPECT_EQ(outcome.outside[0].removed.size(), row.removedOutside);
    }
    // Saved again unchanged: the file is the one just written, nothing is merged.
    EXPECT_TRUE(saving::save(session, dir.path()).outside.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Rows, Merge, ::testing::ValuesIn(mergeRows),
                         [](const auto &info) { return std::string(info.param.name); });

// The folder given wins; else the current one if it holds a data file, as every setup
// before had it; else the user's data folder under $XDG_DATA_HOME.
TEST(DataFolder, ChosenAndChecked)
{
    const QTemporaryDir empty, withFile;
    put(withFile.filePath("termin.dat"), "");
    qputenv("XDG_DATA_HOME", QFile::encodeName(empty.path()));
    const QString user = datafolder::userDataFolder();
    EXPECT_EQ(user, empty.filePath("quirnel"));
    EXPECT_EQ(datafolder::choose(withFile.path(), empty.path(), user), withFile.path());
    EXPECT_EQ(datafolder::choose("", withFile.path(), user), withFile.path());
    EXPECT_EQ(datafolder::choose("", empty.path(), user), user);
    EXPECT_EQ(datafolder::problemWith(withFile.path()), "");
    EXPECT_TRUE(datafolder::problemWith(user).endsWith("existiert nicht."));
    EXPECT_TRUE(
        datafolder::problemWith(withFile.filePath("termin.dat")).endsWith("ist kein Ordner."));
    // The user's folder is made at the first save.
    EditSession session;
    session.insert(DataList::Birthdays, "01.01.2000     Neu");
    EXPECT_EQ(saving::save(session, user).problem, saving::Outcome::Problem::None);
    EXPECT_EQ(bytesOf(QDir(user).filePath("geburt.dat")), "01.01.2000     Neu\r\n");
}
