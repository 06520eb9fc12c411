#include "core/datafile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

void PrintTo(const QString &text, std::ostream *os);

using namespace quirnel;
using Status = datafile::ReadResult::Status;

static QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>";
}

// Lines end at LF with or without CR before it; other CRs, empty lines and a last line
// without a line end are kept. Every byte value but LF comes back from a read, encode and
// save over another file, 0x80-0x9F read as Windows-1252 (not Latin-1) with the five
// undefined ones kept as C1 controls; the file is read a megabyte at a time, and its lines
// cross the borders. A file that exists but cannot be read must not pass for missing, or a
// save would overwrite it.
TEST(DataFile, ReadAndSave)
{
    const QTemporaryDir dir;
    const QString geburt = dir.filePath("geburt.dat"), termin = dir.filePath("termin.dat");
    // A line shares the file's text with the others: changing it leaves them as they were.
    ASSERT_FALSE(datafile::write(termin, "ab\ncd"));
    auto two = datafile::read(termin).lines;
    ASSERT_EQ(two.size(), 2);
    two[0] += "xyz";
    EXPECT_EQ(two, QStringList({"abxyz", "cd"}));
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += b == '\n' ? QByteArray() : QByteArray(1, char(b));
    ASSERT_FALSE(
        datafile::write(geburt, ("a\n\r\ny\rz\r\r\n" + all + '\n').repeated(9000) + "end"));
    const auto loaded = datafile::read(geburt);
    const QString high
        = QString::fromUtf16(u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ");
    EXPECT_EQ(loaded.lines.mid(0, 3) << loaded.lines.value(3).mid(0x7F, 32),
              QStringList({"a", "", "y\rz\r", high}));
    ASSERT_FALSE(datafile::write(termin, datafile::encode(loaded.lines).bytes));
    EXPECT_EQ(bytesOf(termin).split('\n'),
              (("a\r\n\r\ny\rz\r\r\n" + all + "\r\n").repeated(9000) + "end\r\n").split('\n'));
    EXPECT_EQ(datafile::read(termin).lines, loaded.lines);
    EXPECT_EQ(datafile::read(dir.filePath("x.dat")).status, Status::Missing);
    // Only a regular file is read: a folder, a FIFO (which would block) or an endless
    // device in its place is unreadable with the reason, and so is a file no calendar fills.
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.filePath("zero")));
    QFile huge(dir.filePath("huge"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(datafile::maxFileSize + 1));
    for (const char *name : {"", "fifo", "zero", "huge"}) {
        const auto read = datafile::read(dir.filePath(name));
        EXPECT_TRUE(read.status == Status::Unreadable && read.error.startsWith("Sie ist ")) << name;
        EXPECT_EQ(read.error.contains("256 MiB"), *name == 'h') << read.error.toStdString();
    }
    // An entry Windows-1252 cannot store is named, and no bytes come out to be written.
    const auto bad = datafile::encode({"ok", "a\u4E2Db", "\U0001F600"});
    EXPECT_TRUE(bad.badEntry == 1 && bad.bytes.isEmpty()) << bad.badEntry;
}

const QByteArray oldFile = "01.01.2000  ************   Neujahr\r\n";

// Each save runs in a child with a mount table of its own and a tiny tmpfs that goes with
// it. A read-only folder takes no temporary file, and the old file in it, still writable,
// must not be overwritten in place instead (root ignores permission bits, so the child
// gives them up first); a large save runs out of room while writing, a small one onto a
// full disk (the old file fills it) only when flushed; an old file that is a mount point
// is refused at the rename.
TEST(DataFile, FailedSavesKeepTheOldFile)
{
    const QTemporaryDir dir;
    const QByteArray mnt = QFile::encodeName(dir.path()), old = mnt + "/termin.dat";
    constexpr int noSetup = 77;
    for (const auto &[size, reason] : {std::pair(100, EACCES), std::pair(1 << 20, ENOSPC),
                                       std::pair(100, ENOSPC), std::pair(100, EBUSY)}) {
        const pid_t child = fork();
        if (child == 0) { // ends here: the parent owns the folder
            const bool ready = !unshare(CLONE_NEWNS)
                && !mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr)
                && !mount("tmpfs", mnt, "tmpfs", 0,
                          reason == ENOSPC ? "size=4k" : "size=8k,mode=555")
                && !datafile::write(dir.filePath("termin.dat"), oldFile)
                && (reason != EBUSY || !mount(old, old, nullptr, MS_BIND, nullptr))
                && (reason != EACCES || (!chmod(old, 0666) && !setuid(65534)));
            if (!ready)
                _exit(noSetup);
            // The save must fail naming the file and the reason, and leave the old file as
            // it was and nothing else behind.
            const auto error = datafile::write(old, QByteArray(size, 'x'));
            _exit(!(error && error->file == "termin.dat"
                    && error->reason.contains(qt_error_string(reason)) && bytesOf(old) == oldFile
                    && QDir(dir.path())
                            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                        == QStringList{"termin.dat"}));
        }
        int status = -1;
        waitpid(child, &status, 0);
        if (WIFEXITED(status) && WEXITSTATUS(status) == noSetup)
            GTEST_SKIP() << "cannot mount a small tmpfs here";
        EXPECT_EQ(status, 0) << size << " bytes, " << qt_error_string(reason).toStdString();
    }
}
