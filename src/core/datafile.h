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

// Which version of a file was read or written: another program that writes the file,
// replaces it or restores it from a backup changes at least one of these.
struct Stamp {
    bool exists = false;
    quint64 device = 0, inode = 0;
    qint64 size = 0, modified = 0, changed = 0; // times in nanoseconds
    bool operator==(const Stamp &) const = default;
};
Stamp stampOf(const QString &path);

struct ReadResult {
    enum class Status { Missing, Loaded, Unreadable };
    Status status = Status::Missing;
    QStringList lines;
    QString error; // the reason, when Unreadable
    Stamp stamp;
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
struct FileBytes {
    QString path;
    QByteArray bytes;
};
struct Written {
    std::optional<SaveError> error;
    qsizetype replaced = 0; // files replaced before the error, in the order given
    QList<Stamp> stamps;    // of each file as written, when all were
};
// Writes every file completely and synced to a temporary copy beside it first, and only
// then renames the copies over the old files, one after the other: a failure while
// writing leaves every old file intact. A new file takes the owner, group and mode of the
// old one where the user may set them. A copy left by a crash ("geburt.dat.quirnel-…") is
// removed the next time its file is saved.
Written write(const QList<FileBytes> &files);
inline std::optional<SaveError> write(const QString &path, const QByteArray &bytes)
{
    return write(QList<FileBytes>{{path, bytes}}).error;
}

} // namespace quirnel::datafile
