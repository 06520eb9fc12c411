#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reading and safe saving of "geburt.dat" and "termin.dat": one entry per line,
// Windows-1252, CR LF after every line. The core reports, the window speaks.
namespace quirnel::datafile {

inline constexpr auto birthdayFileName = "geburt.dat";
inline constexpr auto appointmentFileName = "termin.dat";

// Splits file bytes into entries: a line ends at LF, one CR before it is dropped
// (files edited on Linux carry LF alone); a line end after the last line yields no
// extra entry, a last line without one is kept.
QStringList splitLines(const QByteArray &bytes);

struct ReadResult {
    enum class Status { Missing, Loaded, Unreadable };
    Status status = Status::Missing;
    QStringList lines;
    QString error; // the reason, when Unreadable
};
// Only a regular file of at most maxFileSize bytes is read; anything else in its place
// (a folder, a FIFO, a device) is Unreadable with the reason.
inline constexpr qint64 maxFileSize = qint64(256) << 20;
ReadResult read(const QString &path);

// The bytes of a whole file: every entry followed by CR LF.
struct Encoded {
    QByteArray bytes;
    qsizetype badEntry = -1; // index of the first entry Windows-1252 cannot store
};
Encoded encode(const QStringList &lines);

struct SaveError {
    QString file;   // the file's name, without its folder
    QString reason; // errorString() of the failed step
};
// Writes the bytes atomically: a temporary file in the same folder, renamed over
// the old file only when every byte is written. The old file stays intact on failure.
std::optional<SaveError> write(const QString &path, const QByteArray &bytes);

} // namespace quirnel::datafile
