#include "core/datafile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <array>
#include <cerrno>

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

// Readable failure messages instead of raw object bytes.
static void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

static void PrintTo(const QByteArray &bytes, std::ostream *os)
{
    *os << "hex " << bytes.toHex(' ').toStdString();
}

namespace datafile = quirnel::datafile;
using Status = datafile::ReadResult::Status;

namespace {

// Table rows print as their name in failure messages.
template<typename Row>
requires requires(const Row &row)
{
    row.name;
}
void PrintTo(const Row &row, std::ostream *os)
{
    *os << row.name;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return file.readAll();
}

void putBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.errorString().toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Names the first line where two files differ, so a mismatch is readable.
std::string firstDifference(const QByteArray &expected, const QByteArray &actual)
{
    const QList<QByteArray> want = expected.split('\n');
    const QList<QByteArray> got = actual.split('\n');
    for (qsizetype i = 0; i < qMax(want.size(), got.size()); ++i) {
        const QByteArray w = i < want.size() ? want[i] : "<missing>";
        const QByteArray g = i < got.size() ? got[i] : "<missing>";
        if (w != g)
            return "line " + std::to_string(i + 1) + ": expected hex " + w.toHex().toStdString()
                + ", got hex " + g.toHex().toStdString();
    }
    return "no difference";
}

QStringList entries(std::initializer_list<const char16_t *> texts)
{
    QStringList list;
    for (const char16_t *t : texts)
        list.append(QString::fromUtf16(t));
    return list;
}

struct SplitCase {
    const char *name;
    QByteArray bytes;
    QStringList lines;
};

const std::array splitCases = {
    SplitCase{"empty_file", "", {}},
    SplitCase{"one_line_without_end", "abc", entries({u"abc"})},
    SplitCase{"one_line_with_crlf", "abc\r\n", entries({u"abc"})},
    SplitCase{"last_line_without_end", "a\r\nb", entries({u"a", u"b"})},
    SplitCase{"last_line_with_end", "a\r\nb\r\n", entries({u"a", u"b"})},
    SplitCase{"empty_line_in_middle", "a\r\n\r\nb\r\n", entries({u"a", u"", u"b"})},
    SplitCase{"only_a_line_end", "\r\n", entries({u""})},
    SplitCase{"two_empty_lines", "\r\n\r\n", entries({u"", u""})},
    SplitCase{"lf_only", "a\nb\n", entries({u"a", u"b"})},
    SplitCase{"lf_only_empty_line", "a\n\nb", entries({u"a", u"", u"b"})},
    SplitCase{"mixed_line_ends", "a\r\nb\nc\r\n", entries({u"a", u"b", u"c"})},
    SplitCase{"lone_cr_inside_line", "a\rb\r\nc", entries({u"a\rb", u"c"})},
    SplitCase{"cr_cr_lf_keeps_one_cr", "a\r\r\n", entries({u"a\r"})},
    SplitCase{"cr_at_end_without_lf", "a\r", entries({u"a\r"})},
    SplitCase{"high_bytes_decoded", "\x80\xE4\xDF\r\n\x84x\x93\r\n", entries({u"€äß", u"„x“"})},
    SplitCase{"nul_byte_kept", QByteArray("a\0b\r\n", 5), {QString::fromUtf16(u"a\0b", 3)}},
};

class SplitLines : public testing::TestWithParam<SplitCase>
{ };

TEST_P(SplitLines, GivesEntries)
{
    EXPECT_EQ(datafile::splitLines(GetParam().bytes), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Files, SplitLines, testing::ValuesIn(splitCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SplitLines, HundredThousandLinesQuickly)
{
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes += QByteArray::number(i).rightJustified(6, '0') + ".01.1970     M\xFCller\xFC\r\n";
    QElapsedTimer timer;
    timer.start();
    const QStringList lines = datafile::splitLines(bytes);
    // Generous for a sanitizer build; a quadratic split takes minutes here.
    EXPECT_LT(timer.elapsed(), 2000);
    ASSERT_EQ(lines.size(), 100000);
    EXPECT_EQ(lines.front(), u"000000.01.1970     Müllerü");
    EXPECT_EQ(lines.back(), u"099999.01.1970     Müllerü");
}

struct EncodeCase {
    const char *name;
    QStringList lines;
    QByteArray bytes;
};

const std::array encodeCases = {
    EncodeCase{"empty_list", {}, ""},
    EncodeCase{"one_entry", entries({u"abc"}), "abc\r\n"},
    EncodeCase{"empty_entries", entries({u"", u""}), "\r\n\r\n"},
    EncodeCase{"umlauts_and_euro", entries({u"24.12.1970     Jürgen Öß", u"€ 5"}),
               "24.12.1970     J\xFCrgen \xD6\xDF\r\n\x80 5\r\n"},
    EncodeCase{"undefined_byte_characters", entries({u"\u0081\u008D\u008F\u0090\u009D"}),
               "\x81\x8D\x8F\x90\x9D\r\n"},
};

class Encode : public testing::TestWithParam<EncodeCase>
{ };

TEST_P(Encode, EndsEveryEntryWithCrLf)
{
    const datafile::Encoded encoded = datafile::encode(GetParam().lines);
    EXPECT_EQ(encoded.badEntry, -1);
    EXPECT_EQ(encoded.bytes, GetParam().bytes) << firstDifference(GetParam().bytes, encoded.bytes);
}

INSTANTIATE_TEST_SUITE_P(Lists, Encode, testing::ValuesIn(encodeCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct BadEncodeCase {
    const char *name;
    QStringList lines;
    qsizetype badEntry;
};

const std::array badEncodeCases = {
    BadEncodeCase{"first_entry", entries({u"\u0100", u"ok"}), 0},
    BadEncodeCase{"middle_entry_cjk", entries({u"ok", u"a\u4E2Db", u"ok"}), 1},
    BadEncodeCase{"first_of_two_bad", entries({u"ok", u"ok", u"\U0001F600", u"\u0100"}), 2},
    BadEncodeCase{"last_entry_c1_of_euro_byte", entries({u"ok", u"\u0080"}), 1},
};

class EncodeBad : public testing::TestWithParam<BadEncodeCase>
{ };

TEST_P(EncodeBad, NamesFirstBadEntryAndGivesNoBytes)
{
    const datafile::Encoded encoded = datafile::encode(GetParam().lines);
    EXPECT_EQ(encoded.badEntry, GetParam().badEntry);
    EXPECT_TRUE(encoded.bytes.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Lists, EncodeBad, testing::ValuesIn(badEncodeCases),
                         [](const auto &info) { return std::string(info.param.name); });

class DataFileTest : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString path(const QString &name) const { return dir.filePath(name); }
    QTemporaryDir dir;
};

TEST_F(DataFileTest, MissingFile)
{
    const auto result = datafile::read(path(datafile::birthdayFileName));
    EXPECT_EQ(result.status, Status::Missing);
    EXPECT_TRUE(result.lines.isEmpty());
}

TEST_F(DataFileTest, EmptyFileIsLoadedNotMissing)
{
    putBytes(path("termin.dat"), "");
    const auto result = datafile::read(path("termin.dat"));
    EXPECT_EQ(result.status, Status::Loaded);
    EXPECT_TRUE(result.lines.isEmpty());
}

TEST_F(DataFileTest, DirectoryIsUnreadable)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("geburt.dat"));
    const auto result = datafile::read(path("geburt.dat"));
    EXPECT_EQ(result.status, Status::Unreadable);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_TRUE(result.lines.isEmpty());
}

TEST_F(DataFileTest, ReadsWrittenFile)
{
    putBytes(path("geburt.dat"), "01.01.1970     Anna\r\n\r\n02.02.1980     J\xF6rg");
    const auto result = datafile::read(path("geburt.dat"));
    EXPECT_EQ(result.status, Status::Loaded);
    EXPECT_EQ(result.lines, entries({u"01.01.1970     Anna", u"", u"02.02.1980     Jörg"}));
}

TEST_F(DataFileTest, SaveThenReadGivesSameList)
{
    const QStringList lines
        = entries({u"24.12.1970     Jürgen Öß", u"", u"01.01.2000  12:00 Uhr   „Neujahr“ – 5 €",
                   u"a\rb", u"trailing blanks   "});
    const auto encoded = datafile::encode(lines);
    ASSERT_EQ(encoded.badEntry, -1);
    ASSERT_FALSE(datafile::write(path("termin.dat"), encoded.bytes));
    const auto result = datafile::read(path("termin.dat"));
    EXPECT_EQ(result.status, Status::Loaded);
    EXPECT_EQ(result.lines, lines);
}

TEST_F(DataFileTest, EveryByteSurvivesWriteAndRead)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    ASSERT_FALSE(datafile::write(path("raw.dat"), all));
    EXPECT_EQ(bytesOf(path("raw.dat")), all);

    // Each byte as an entry of its own (LF cannot be one), then all of them in one
    // entry apart from LF: load and save give the same bytes again.
    QByteArray file;
    for (int b = 0; b < 256; ++b) {
        if (b != '\n')
            file += QByteArray(1, static_cast<char>(b)) + "\r\n";
    }
    file += QByteArray(all).replace('\n', "") + "\r\n";
    putBytes(path("geburt.dat"), file);
    const auto loaded = datafile::read(path("geburt.dat"));
    ASSERT_EQ(loaded.status, Status::Loaded);
    EXPECT_EQ(loaded.lines.size(), 256);
    const auto encoded = datafile::encode(loaded.lines);
    ASSERT_EQ(encoded.badEntry, -1);
    ASSERT_FALSE(datafile::write(path("geburt.dat"), encoded.bytes));
    const QByteArray saved = bytesOf(path("geburt.dat"));
    EXPECT_EQ(saved, file) << firstDifference(file, saved);
}

TEST_F(DataFileTest, WriteReplacesOldFileAndLeavesNoTemporaryFile)
{
    putBytes(path("geburt.dat"), "old contents that are longer\r\n");
    ASSERT_FALSE(datafile::write(path("geburt.dat"), "new\r\n"));
    EXPECT_EQ(bytesOf(path("geburt.dat")), QByteArray("new\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"geburt.dat"});
}

TEST_F(DataFileTest, WriteOntoDirectoryFails)
{
    ASSERT_TRUE(QDir(dir.path()).mkpath("geburt.dat/inner"));
    const auto error = datafile::write(path("geburt.dat"), "new\r\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, u"geburt.dat");
    EXPECT_FALSE(error->reason.isEmpty());
    EXPECT_TRUE(QFileInfo(path("geburt.dat/inner")).isDir());
}

// Root ignores permission bits, but not the immutable flag.
class Immutable
{
public:
    explicit Immutable(const QString &path)
        : path_(path)
    {
        on_ = QProcess::execute("chattr", {"+i", path_}) == 0;
    }
    ~Immutable() { setOff(); }
    Immutable(const Immutable &) = delete;
    Immutable &operator=(const Immutable &) = delete;
    bool isOn() const { return on_; }
    void setOff()
    {
        if (on_)
            on_ = QProcess::execute("chattr", {"-i", path_}) != 0;
    }

private:
    QString path_;
    bool on_ = false;
};

// An immutable folder refuses the temporary file; an immutable old file cannot be
// replaced even though its folder would take a new file.
struct ImmutableCase {
    const char *name;
    const char *target; // relative to the folder; "." is the folder itself
};

constexpr std::array immutableCases = {
    ImmutableCase{"folder", "."},
    ImmutableCase{"old_file", "geburt.dat"},
};

class WriteImmutable : public DataFileTest, public testing::WithParamInterface<ImmutableCase>
{ };

TEST_P(WriteImmutable, FailsAndKeepsOldFile)
{
    const QByteArray old = "01.01.1970     Anna\r\n";
    putBytes(path("geburt.dat"), old);
    Immutable guard(path(GetParam().target));
    // A new file in the folder, or more bytes onto the file, must be refused.
    const bool folder = QByteArray(GetParam().target) == ".";
    QFile probe(path(folder ? "probe" : GetParam().target));
    if (!guard.isOn() || probe.open(QIODevice::Append)) {
        if (folder)
            probe.remove();
        GTEST_SKIP() << "chattr +i does not stop writes here";
    }

    const auto error = datafile::write(path("geburt.dat"), "changed\r\n");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file, u"geburt.dat");
    EXPECT_FALSE(error->reason.isEmpty());
    guard.setOff();
    EXPECT_EQ(bytesOf(path("geburt.dat")), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{"geburt.dat"});
}

INSTANTIATE_TEST_SUITE_P(Targets, WriteImmutable, testing::ValuesIn(immutableCases),
                         [](const auto &info) { return std::string(info.param.name); });

// A large save runs out of room while writing; a small one onto a full disk is
// buffered and runs out only when committed.
struct FullDiskCase {
    const char *name;
    bool fillFirst;
    qsizetype saveSize;
};

constexpr std::array fullDiskCases = {
    FullDiskCase{"large_save", false, 1 << 20},
    FullDiskCase{"small_save_onto_full_disk", true, 100},
};

enum FullDiskResult { fullDiskOk, noError, wrongError, oldFileChanged, leftovers, noSetup = 77 };

// Runs in a child process with a mount table of its own, so the tiny tmpfs
// disappears with it.
int saveOntoFullDisk(const QString &folder, const FullDiskCase &c)
{
    const QByteArray mountPoint = QFile::encodeName(folder);
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k") != 0)
        return noSetup;
    const QString file = folder + "/termin.dat";
    const QByteArray old = "01.01.2000  ************   Neujahr\r\n";
    QFile oldFile(file);
    if (!oldFile.open(QIODevice::WriteOnly) || oldFile.write(old) != old.size() || !oldFile.flush())
        return noSetup;
    oldFile.close();
    if (c.fillFirst) {
        QFile filler(folder + "/filler");
        if (!filler.open(QIODevice::WriteOnly))
            return noSetup;
        while (filler.write(QByteArray(512, 'f')) > 0 && filler.flush()) { }
        filler.close();
    }

    const auto error = datafile::write(file, QByteArray(c.saveSize, 'x'));
    if (!error)
        return noError;
    if (error->file != u"termin.dat" || error->reason != qt_error_string(ENOSPC))
        return wrongError;
    if (bytesOf(file) != old)
        return oldFileChanged;
    QFile::remove(folder + "/filler");
    if (QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
        != QStringList{"termin.dat"})
        return leftovers;
    return fullDiskOk;
}

class WriteFullDisk : public DataFileTest, public testing::WithParamInterface<FullDiskCase>
{ };

TEST_P(WriteFullDisk, FailsAndKeepsOldFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("small"));
    const QString folder = path("small");
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0)
        _exit(saveOntoFullDisk(folder, GetParam())); // no destructors: the parent owns the folder
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal";
    if (WEXITSTATUS(status) == noSetup)
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    EXPECT_EQ(WEXITSTATUS(status), fullDiskOk)
        << "1: no error, 2: wrong file name or reason, 3: old file changed, 4: files left behind";
}

INSTANTIATE_TEST_SUITE_P(Sizes, WriteFullDisk, testing::ValuesIn(fullDiskCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
