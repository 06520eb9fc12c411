#pragma once

#include "core/editsession.h"

#include <QList>
#include <QString>
#include <QStringList>

// "Speichern": both lists of the edit session into their files in one folder, each merged
// with what another program changed in its file since it was loaded or saved.
namespace quirnel::saving {

struct FromOutside {
    QString file;
    QStringList added, removed;
};

struct Outcome {
    enum class Problem {
        None,
        UnreadableAtStart, // the list is empty because its file could not be read
        CannotStore,       // detail: the entry Windows-1252 cannot store
        UnreadableNow,     // changed from outside and unreadable; detail: the reason
        WriteFailed,       // detail: the reason
    };
    Problem problem = Problem::None;
    QString file; // the file the problem is about, without its folder
    QString detail;
    bool birthdaysReplaced = false; // when the appointments failed after them
    QList<FromOutside> outside;     // each file merged with changes from outside
};

// Nothing in the session changes unless both files are written.
Outcome save(EditSession &session, const QString &folder);

} // namespace quirnel::saving
