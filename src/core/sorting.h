#pragma once

#include <QString>
#include <QStringList>

// The sorted lists keep their entries in ascending order without regard to case.
namespace quirnel::sorting {

bool lessNoCase(const QString &a, const QString &b);
// Sorts once with precomputed keys: loading 100 000 lines must not be quadratic.
QStringList sortedNoCase(QStringList lines);
// Index at which a new line keeps a sorted list sorted (after equal entries).
qsizetype insertPosition(const QStringList &sorted, const QString &line);

} // namespace quirnel::sorting
