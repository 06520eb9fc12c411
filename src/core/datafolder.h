#pragma once

#include <QString>

// Which folder holds geburt.dat and termin.dat.
namespace quirnel::datafolder {

// The folder given on the command line; else the current folder when it holds either
// file, as every setup before the user's data folder had it; else the user's data folder.
QString choose(const QString &given, const QString &current, const QString &userData);

// $XDG_DATA_HOME/quirnel, by default ~/.local/share/quirnel; made at the first save.
QString userDataFolder();

// Why a folder given on the command line cannot be used, in German; empty when it can.
QString problemWith(const QString &given);

} // namespace quirnel::datafolder
