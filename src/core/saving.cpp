#include "core/saving.h"

#include "core/merge.h"
#include "core/sorting.h"

#include <QDir>

#include <array>
#include <optional>

namespace quirnel::saving {

Outcome save(EditSession &session, const QString &folder)
{
    Outcome outcome;
    const auto problem = [&](Outcome::Problem kind, const QString &file, const QString &detail) {
        outcome.problem = kind;
        outcome.file = file;
        outcome.detail = detail;
        outcome.outside.clear();
        return outcome;
    };
    const std::array lists{DataList::Birthdays, DataList::Appointments};
    QList<datafile::FileBytes> files;
    std::array<std::optional<QStringList>, 2> merged;
    for (const DataList which : lists) {
        const QString name
            = QString::fromUtf8(which == DataList::Birthdays ? datafile::birthdayFileName
                                                             : datafile::appointmentFileName);
        const QString path = QDir(folder).filePath(name);
        if (!session.wasReadable(which))
            return problem(Outcome::Problem::UnreadableAtStart, name, {});
        const QStringList *lines = &session.list(which).lines();
        // Only a file that is no longer the one loaded or saved is read again.
        if (datafile::stampOf(path) != session.stamp(which)) {
            datafile::ReadResult now = datafile::read(path);
            if (now.status == datafile::ReadResult::Status::Unreadable)
                return problem(Outcome::Problem::UnreadableNow, name, now.error);
            const QStringList theirs = sorting::inOrder(std::move(now.lines));
            merge::Merged result = merge::merge(session.lastSaved(which), *lines, theirs);
            // Touched but not changed, or changed back: nothing came from outside.
            if (!result.addedOutside.isEmpty() || !result.removedOutside.isEmpty()) {
                outcome.outside.append({name, result.addedOutside, result.removedOutside});
                lines = &merged[std::size_t(which)].emplace(std::move(result.lines));
            }
        }
        datafile::Encoded encoded = datafile::encode(*lines);
        if (encoded.badEntry >= 0)
            return problem(Outcome::Problem::CannotStore, name, lines->at(encoded.badEntry));
        files.append({path, std::move(encoded.bytes)});
    }
    // The user's data folder is made at the first save.
    if (!QDir(folder).exists() && !QDir().mkpath(folder))
        return problem(Outcome::Problem::WriteFailed, QString::fromUtf8(datafile::birthdayFileName),
                       QStringLiteral("Der Ordner \"%1\" lässt sich nicht anlegen.")
                           .arg(QDir::toNativeSeparators(folder)));
    const datafile::Written written = datafile::write(files);
    if (written.error) {
        const bool first = written.replaced > 0;
        problem(Outcome::Problem::WriteFailed, written.error->file, written.error->reason);
        outcome.birthdaysReplaced = first;
        return outcome;
    }
    for (const DataList which : lists) {
        const auto i = std::size_t(which);
        session.saved(which, written.stamps[qsizetype(i)], std::move(merged[i]));
    }
    return outcome;
}

} // namespace quirnel::saving
