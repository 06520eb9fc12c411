#include "core/datafolder.h"

#include "core/datafile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace quirnel::datafolder {

QString choose(const QString &given, const QString &current, const QString &userData)
{
    if (!given.isEmpty())
        return QDir(given).absolutePath();
    const QDir here(current);
    for (const char *name : {datafile::birthdayFileName, datafile::appointmentFileName}) {
        if (QFileInfo::exists(here.filePath(QString::fromUtf8(name))))
            return here.absolutePath();
    }
    return userData;
}

QString userDataFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("quirnel"));
}

QString problemWith(const QString &given)
{
    const QFileInfo folder(given);
    const QString name = QDir::toNativeSeparators(folder.absoluteFilePath());
    if (!folder.exists())
        return QStringLiteral("Der Ordner \"%1\" existiert nicht.").arg(name);
    if (!folder.isDir())
        return QStringLiteral("\"%1\" ist kein Ordner.").arg(name);
    // A save writes a new file beside the old one, so the folder itself must be writable.
    if (::access(QFile::encodeName(folder.absoluteFilePath()).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("In den Ordner \"%1\" darf nicht geschrieben werden.").arg(name);
    return {};
}

} // namespace quirnel::datafolder
