#pragma once

#include <QStringList>

// A list saved over a file that another program changed since it was loaded: the
// user's changes go into the file's current content, the other side's stay.
namespace quirnel::merge {

struct Merged {
    QStringList lines;          // in the lists' order
    QStringList addedOutside;   // what the other side added, in the lists' order
    QStringList removedOutside; // what the other side took out
};

// base: the lines as last loaded or saved; mine: the list now; theirs: the file now. All
// three in the lists' order. Lines are counted, not just compared: a line in the list
// twice that the user took out once is still in the result once. A change both sides
// made the same way is made once.
Merged merge(const QStringList &base, const QStringList &mine, const QStringList &theirs);

} // namespace quirnel::merge
