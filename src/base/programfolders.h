#pragma once

#include <QString>
#include <QStringList>

// Where the program keeps its files.
//
// The data directory holds what the program ships, read only. It lies at
// ../share/quillmaze from the executable's folder, in the build tree and in
// an install alike.
//
// The program directory is where the user's libraries are read and written:
//  - the folder named by QUILLMAZE_PROGRAM_DIR, when it is set;
//  - else the executable's own folder, when it holds the marker file
//    kProgramFolderMarker (the build tree has one) and can be written to;
//  - else the per-user folder "Quillmaze" under the XDG data home
//    ($XDG_DATA_HOME, by default ~/.local/share), which is what an installed
//    copy uses.
// The marker keeps an install into a writable prefix (or one run by root)
// from filling its bin folder with the user's files.

inline constexpr const char* kProgramFolderMarker = "program-folder.txt";

// Both without a trailing separator.
QString findDataDirectory(const QString& executableDir);
QString findProgramDirectory(const QString& executableDir);
QString perUserProgramDirectory();

// Copies the shipped libraries and BADLIST.TXT from the data directory into
// the program directory, each only when the program directory has no file
// of that name: nothing the user has is ever replaced or changed. A copy is
// writable by its owner even when the shipped file is not. Creates the
// program directory when it is missing. Returns the names copied; a file
// that cannot be copied is left out (the program then runs as without it).
QStringList seedProgramDirectory(const QString& dataDir, const QString& programDir);

// What every program does first: decides the data and program directories
// from its executable's folder, sets them and seeds the program directory.
void setUpProgramFolders(const QString& executableDir);
