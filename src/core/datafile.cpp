#include "core/datafile.h"

#include "core/text1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quirnel::datafile {

namespace {

// Every line shares the one buffer of the decoded file instead of holding a copy: a
// million lines cost their text once plus a few words each. A line that is changed gets
// a buffer of its own, as any shared QString does, and the file's buffer lives as long
// as one line still refers to it.
QStringList linesOf(QString text, qsizetype lineEnds)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    lines.reserve(lineEnds + 1);
    QString::DataPointer &whole = text.data_ptr();
    char16_t *const begin = whole.data();
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? size : end + 1;
        if (end < 0)
            end = size;
        else if (end > start && begin[end - 1] == u'\r')
            --end;
        whole.d_ptr()->ref();
        lines.append(QString(QString::DataPointer(whole.d_ptr(), begin + start, end - start)));
        start = next;
    }
    return lines;
}

Stamp stampFrom(const struct stat &info)
{
    const auto nanoseconds
        = [](const timespec &t) { return qint64(t.tv_sec) * 1000000000 + t.tv_nsec; };
    return {true,
            quint64(info.st_dev),
            quint64(info.st_ino),
            qint64(info.st_size),
            nanoseconds(info.st_mtim),
            nanoseconds(info.st_ctim)};
}

} // namespace

QStringList splitLines(const QByteArray &bytes)
{
    return linesOf(cp1252::decode(bytes), bytes.count('\n'));
}

ReadResult read(const QString &path)
{
    ReadResult result;
    const auto unreadable = [&](const QString &reason) {
        result.status = ReadResult::Status::Unreadable;
        result.error = reason;
        return result;
    };
    // Opened without blocking, so that a FIFO in the file's place cannot hang the start,
    // and checked on the open file, so that nothing can be swapped in between.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT)
            return result;
        // Without the right to search the folder every file in it looks missing or barred.
        const QString folder = QFileInfo(path).absolutePath();
        if (error == EACCES && ::access(QFile::encodeName(folder).constData(), X_OK) != 0)
            return unreadable(QStringLiteral("Der Ordner \"%1\" darf nicht durchsucht werden (%2).")
                                  .arg(QDir::toNativeSeparators(folder), qt_error_string(error)));
        return unreadable(qt_error_string(error));
    }
    QFile file;
    file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    struct stat info { };
    if (::fstat(fd, &info) != 0)
        return unreadable(qt_error_string(errno));
    if (!S_ISREG(info.st_mode))
        return unreadable(QStringLiteral("Sie ist keine gewöhnliche Datei."));
    const auto tooLarge = [&] {
        return unreadable(QStringLiteral("Sie ist größer als 256 MiB; so groß wird kein "
                                         "Kalender."));
    };
    if (info.st_size > maxFileSize)
        return tooLarge();
    // Decoded a block at a time into the text, so that the bytes are never all in memory
    // beside it.
    QString text(info.st_size, Qt::Uninitialized);
    QByteArray block(qsizetype(1) << 20, Qt::Uninitialized);
    qsizetype total = 0;
    qsizetype lineEnds = 0;
    for (;;) {
        if (total == text.size()) {
            if (file.atEnd())
                break;
            if (total >= maxFileSize)
                return tooLarge();
            text.resize(total + block.size()); // grown since its size was taken
        }
        const qint64 count = file.read(block.data(), std::min(block.size(), text.size() - total));
        if (count < 0)
            return unreadable(file.errorString());
        if (count == 0) {
            // Half a file taken for the whole would be saved back as the whole.
            if (total < info.st_size)
                return unreadable(QStringLiteral("Sie ließ sich nicht bis zum Ende lesen."));
            break;
        }
        const QByteArrayView read(block.constData(), count);
        cp1252::decodeInto(reinterpret_cast<char16_t *>(text.data()) + total, read);
        lineEnds += std::count(read.begin(), read.end(), '\n');
        total += count;
    }
    text.truncate(total);
    result.status = ReadResult::Status::Loaded;
    result.stamp = stampFrom(info);
    result.lines = linesOf(std::move(text), lineEnds);
    return result;
}

Encoded encode(const QStringList &lines)
{
    Encoded result;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    result.bytes = QByteArray(size, Qt::Uninitialized);
    char *out = result.bytes.data();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!cp1252::encodeInto(out, lines[i])) {
            result.bytes.clear();
            result.badEntry = i;
            return result;
        }
        out += lines[i].size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return result;
}

namespace {

// The copy a save writes before it replaces the file; the name says whose it is, so that
// a copy left by a crash can be told from the user's own files.
QString copyPrefix(const QFileInfo &target)
{
    return target.fileName() + QStringLiteral(".quirnel-");
}

void removeLeftCopies(const QFileInfo &target)
{
    const QDir dir = target.dir();
    const QStringList left = dir.entryList({copyPrefix(target) + QStringLiteral("??????")},
                                           QDir::Files | QDir::NoSymLinks | QDir::Hidden);
    for (const QString &name : left)
        QFile::remove(dir.filePath(name));
}

mode_t processUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

struct Copy {
    QByteArray target, path;
    int fd = -1;
};

// Created readable by the user alone while it is incomplete.
std::optional<int> createCopy(const QFileInfo &target, Copy &copy)
{
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QString name = copyPrefix(target);
        for (int i = 0; i < 6; ++i)
            name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
        copy.path = QFile::encodeName(target.dir().filePath(name));
        copy.fd = ::open(copy.path.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (copy.fd >= 0)
            return std::nullopt;
        if (errno != EEXIST)
            return errno;
    }
    return EEXIST;
}

// Owner and group as before where this user may set them (root may, a member of the
// group may set the group), then the mode, which a change of owner would clear in part.
void takeOverAttributes(int fd, const std::optional<struct stat> &old)
{
    if (!old) {
        ::fchmod(fd, 0666 & ~processUmask());
        return;
    }
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid()) {
        if (::fchown(fd, old->st_uid, old->st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), old->st_gid);
    }
    ::fchmod(fd, old->st_mode & 07777);
}

std::optional<int> writeAllBytes(int fd, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t count
            = ::write(fd, bytes.constData() + written, size_t(bytes.size() - written));
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count < 0 ? errno : ENOSPC;
        written += count;
    }
    return std::nullopt;
}

void syncFolder(const QByteArray &file)
{
    const int fd = ::open(QFile::encodeName(QFileInfo(QFile::decodeName(file)).path()).constData(),
                          O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

Stamp stampOf(const QString &path)
{
    struct stat info { };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return {};
    return stampFrom(info);
}

Written write(const QList<FileBytes> &files)
{
    Written result;
    QList<Copy> copies;
    const auto fail = [&](qsizetype index, int error, const QString &reason = {}) {
        for (const Copy &copy : copies) {
            if (copy.fd >= 0)
                ::close(copy.fd);
            ::unlink(copy.path.constData());
        }
        result.error = SaveError{QFileInfo(files[index].path).fileName(),
                                 reason.isEmpty() ? qt_error_string(error) : reason};
        return result;
    };
    for (qsizetype i = 0; i < files.size(); ++i) {
        // A link is followed, so that the file it points to is replaced, not the link.
        QFileInfo target(files[i].path);
        if (target.exists())
            target.setFile(target.canonicalFilePath());
        std::optional<struct stat> old;
        struct stat info { };
        const QByteArray targetPath = QFile::encodeName(target.absoluteFilePath());
        if (::stat(targetPath.constData(), &info) == 0) {
            if (!S_ISREG(info.st_mode))
                return fail(i, 0, QStringLiteral("Sie ist keine gewöhnliche Datei."));
            // A file the user made read-only stays as it is.
            if (::faccessat(AT_FDCWD, targetPath.constData(), W_OK, AT_EACCESS) != 0)
                return fail(i, errno);
            old = info;
        }
        removeLeftCopies(target);
        Copy copy{targetPath, {}, -1};
        if (const auto error = createCopy(target, copy))
            return fail(i, *error);
        copies.append(copy);
        takeOverAttributes(copy.fd, old);
        if (const auto error = writeAllBytes(copy.fd, files[i].bytes))
            return fail(i, *error);
        // Where a network share or a failing stick first reports what it could not store.
        const int synced = ::fsync(copy.fd) == 0 ? 0 : errno;
        const int closed = ::close(std::exchange(copies.last().fd, -1)) == 0 ? 0 : errno;
        if (synced != 0 || closed != 0)
            return fail(i, synced != 0 ? synced : closed);
    }
    for (qsizetype i = 0; i < copies.size(); ++i) {
        if (::rename(copies[i].path.constData(), copies[i].target.constData()) != 0) {
            const int error = errno;
            copies.remove(0, i);
            result.replaced = i;
            return fail(i, error);
        }
        syncFolder(copies[i].target);
    }
    result.replaced = files.size();
    for (const FileBytes &file : files)
        result.stamps.append(stampOf(file.path));
    return result;
}

} // namespace quirnel::datafile
