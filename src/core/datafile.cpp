#include "core/datafile.h"

#include "core/text1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace quirnel::datafile {

QStringList splitLines(const QByteArray &bytes)
{
    // One byte is one character, so decoding the whole buffer once keeps positions.
    const QString text = cp1252::decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(u'\n', start);
        const qsizetype next = end < 0 ? text.size() : end + 1;
        if (end < 0)
            end = text.size();
        else if (end > start && text[end - 1] == u'\r')
            --end;
        lines.append(text.sliced(start, end - start));
        start = next;
    }
    return lines;
}

ReadResult read(const QString &path)
{
    ReadResult result;
    QFile file(path);
    if (!file.exists())
        return result;
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadResult::Status::Unreadable;
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadResult::Status::Unreadable;
        result.error = file.errorString();
        return result;
    }
    result.status = ReadResult::Status::Loaded;
    result.lines = splitLines(bytes);
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
    if (!file.commit())
        return failed();
    return std::nullopt;
}

} // namespace quirnel::datafile
