#include "core/datafile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

void PrintTo(const QString &text, std::ostream *os);

namespace datafile = quirnel::datafile;
using Status = datafile::ReadResult::Status;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

bool putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
}

TEST(DataFile, SplitsIntoOneEntryPerLine)
{
    // Empty lines are kept, a last line needs no line end, only the CR before LF is dropped.
    const std::pair<QByteArray, QStringList> rows[]
        = {{"", {}},
           {"\r\n", {""}},
           {"a\r\n\r\nb", {"a", "", "b"}},
           {"a\n\nb\n", {"a", "", "b"}},
           {"01.01.1970     A, B\t C  \r\n", {"01.01.1970     A, B\t C  "}},
           {"a\rb\r\r\nc\r", {"a\rb\r", "c\r"}},
           {"\x80\xE4\x84x\x93\x81\r\n", {"€ä„x“\u0081"}}};
    for (const auto &[bytes, lines] : rows)
        EXPECT_EQ(datafile::splitLines(bytes), lines) << bytes.toHex(' ').toStdString();
}

TEST(DataFile, EncodeNamesTheFirstEntryItCannotStoreAndGivesNoBytes)
{
    const auto encoded = datafile::encode({"ok", "a\u4E2Db", "\U0001F600"});
    EXPECT_EQ(encoded.badEntry, 1);
    EXPECT_TRUE(encoded.bytes.isEmpty());
    EXPECT_EQ(datafile::encode({"\u0080", "ok"}).badEntry, 0);
}

class DataFileTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

// Missing and empty are different: an empty file is a loaded empty list. A file that
// exists but cannot be read must not pass for missing, or a save would overwrite it.
TEST_F(DataFileTest, MissingEmptyOrUnreadable)
{
    EXPECT_EQ(datafile::read(path("geburt.dat")).status, Status::Missing);
    ASSERT_TRUE(putBytes(path("termin.dat"), ""));
    EXPECT_EQ(datafile::read(path("termin.dat")).status, Status::Loaded);
    ASSERT_TRUE(QDir(dir.path()).mkdir("geburt.dat"));
    const auto unreadable = datafile::read(path("geburt.dat"));
    EXPECT_EQ(unreadable.status, Status::Unreadable);
    EXPECT_FALSE(unreadable.error.isEmpty());
}

// An empty entry, each byte value an entry of its own (LF cannot be), then all of them
// in one: read, encode and a save over another file give the same bytes again.
TEST_F(DataFileTest, EveryByteSurvivesReadAndSave)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += b == '\n' ? QByteArray() : QByteArray(1, char(b));
    QByteArray file = "\r\n";
    for (const char c : all)
        file += c + QByteArray("\r\n");
    file += all + "\r\n";
    ASSERT_TRUE(putBytes(path("geburt.dat"), file));
    const auto loaded = datafile::read(path("geburt.dat"));
    ASSERT_EQ(loaded.status, Status::Loaded);
    ASSERT_EQ(loaded.lines.size(), 257);
    const auto encoded = datafile::encode(loaded.lines);
    ASSERT_EQ(encoded.badEntry, -1);
    ASSERT_TRUE(putBytes(path("termin.dat"), "old contents\r\n"));
    ASSERT_FALSE(datafile::write(path("termin.dat"), encoded.bytes));
    EXPECT_EQ(bytesOf(path("termin.dat")).toStdString(), file.toStdString());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList({"geburt.dat", "termin.dat"}));
}

const QByteArray oldFile = "01.01.2000  ************   Neujahr\r\n";

// 0 when a save over termin.dat, which holds oldFile, fails as it must; else 1: no error,
// 2: wrong file name or reason, 3: old file changed, 4: files left behind.
int failedSave(const QString &folder, const QByteArray &bytes, const QString &reason = {})
{
    const auto error = datafile::write(folder + "/termin.dat", bytes);
    if (!error)
        return 1;
    if (error->file != "termin.dat" || error->reason.isEmpty() || !error->reason.contains(reason))
        return 2;
    if (bytesOf(folder + "/termin.dat") != oldFile)
        return 3;
    const auto left
        = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    return left == QStringList{"termin.dat"} ? 0 : 4;
}

// Root ignores permission bits, but not the immutable flag.
struct Immutable {
    QString path;
    bool on = QProcess::execute("chattr", {"+i", path}) == 0;
    ~Immutable() { QProcess::execute("chattr", {"-i", path}); }
};

// A read-only folder takes no temporary file.
TEST_F(DataFileTest, SaveIntoAReadOnlyFolder)
{
    ASSERT_TRUE(putBytes(path("termin.dat"), oldFile));
    const Immutable guard{dir.path()};
    if (!guard.on || putBytes(path("probe"), ""))
        GTEST_SKIP() << "chattr +i does not stop writes here";
    EXPECT_EQ(failedSave(dir.path(), "changed\r\n"), 0);
}

// Each save runs in a child with a mount table of its own, so that its tiny tmpfs goes
// with it. A large save runs out of room while writing, a small one onto a full disk only
// when flushed; an old file that is a mount point is refused at the final rename.
TEST_F(DataFileTest, SaveOntoAFullDiskOrOverAMountPoint)
{
    const QString small = path("small");
    const QByteArray file = QFile::encodeName(small + "/data/termin.dat");
    ASSERT_TRUE(QDir(small).mkpath("."));
    constexpr int noSetup = 77;
    const std::tuple<int, int, int> cases[]
        = {{1 << 20, 0, ENOSPC}, {100, 1 << 16, ENOSPC}, {100, 0, EBUSY}};
    for (const auto &[size, filler, reason] : cases) {
        const pid_t child = fork();
        ASSERT_NE(child, -1);
        if (child == 0) { // ends here: the parent owns the folder
            QFile fill(small + "/filler");
            const bool ready = unshare(CLONE_NEWNS) == 0
                && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0
                && mount("tmpfs", QFile::encodeName(small).constData(), "tmpfs", 0, "size=64k") == 0
                && QDir(small).mkdir("data") && putBytes(small + "/data/termin.dat", oldFile)
                && (!filler
                    || (fill.open(QIODevice::WriteOnly) && fill.write(QByteArray(filler, 'f')) > 0))
                && (reason != EBUSY || mount(file, file, nullptr, MS_BIND, nullptr) == 0);
            _exit(ready
                      ? failedSave(small + "/data", QByteArray(size, 'x'), qt_error_string(reason))
                      : noSetup);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal";
        if (WEXITSTATUS(status) == noSetup)
            GTEST_SKIP() << "cannot mount a small tmpfs here";
        EXPECT_EQ(WEXITSTATUS(status), 0)
            << size << " bytes, " << qt_error_string(reason).toStdString();
    }
}

} // namespace
