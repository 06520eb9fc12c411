#include "core/datafile.h"

#include "core/text1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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
        if (errno == ENOENT)
            return result;
        return unreadable(qt_error_string(errno));
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
    result.lines = linesOf(std::move(text), lineEnds);
    return result;
}

Encoded encode(const QStringList &lines)
{
    Encoded result;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    result.bytes.reserve(size);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!cp1252::canStore(lines[i])) {
            result.bytes.clear();
            result.badEntry = i;
            return result;
        }
        result.bytes.append(cp1252::encode(lines[i]));
        result.bytes.append("\r\n", 2);
    }
    return result;
}

std::optional<SaveError> write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    // Writing in place would defeat the point: the old file must survive a failure.
    file.setDirectWriteFallback(false);
    const auto failed = [&] { return SaveError{QFileInfo(path).fileName(), file.errorString()}; };
    if (!file.open(QIODevice::WriteOnly))
        return failed();
    // A full disk first shows as a short write without an error, and commit() would
    // still succeed with a truncated file; writing the rest brings out the reason.
    qsizetype written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0) {
            const SaveError error = failed();
            file.cancelWriting();
            return error;
        }
        written += count;
    }
    // commit() ignores a failing flush of buffered bytes and renames an incomplete file.
    if (!file.flush()) {
        const SaveError error = failed();
        file.cancelWriting();
        return error;
    }
    // commit() ignores a failing sync too, where a network share or a failing stick
    // reports what it could not store.
    if (::fsync(file.handle()) != 0) {
        const SaveError error{QFileInfo(path).fileName(), qt_error_string(errno)};
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return failed();
    return std::nullopt;
}

} // namespace quirnel::datafile
