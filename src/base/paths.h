#pragma once

#include <QString>

// The program directory holds the program's own files that the user changes
// (shape and layout libraries, BADLIST.TXT, user dictionaries). See
// base/programfolders.h for how it is chosen and filled at start-up.
constexpr const char* kProgramDirEnv = "QUILLMAZE_PROGRAM_DIR";

QString programDirectory();
void setProgramDirectory(const QString& dir);

// A file in the program directory.
QString programFile(const QString& name);

// The data directory holds what the program ships, read only: the libraries
// as shipped, the help pages and the sample collection.
QString dataDirectory();
void setDataDirectory(const QString& dir);
QString dataFile(const QString& name);

// The start directory: the current directory at start-up (QMAZE3.INI and the
// first collection live there).
QString startDirectory();
void setStartDirectory(const QString& dir);
QString startFile(const QString& name);

// Whether `path` names an existing regular file. A name with a NUL byte names
// no file (Qt would only warn about it), so it is answered without asking the
// file system.
bool isExistingFile(const QString& path);

// Well-known file names.
inline constexpr const char* kShapeLibraryFile = "QZFLAY.DAT";
inline constexpr const char* kLayoutLibraryFile = "QZFPAGE.DAT";
inline constexpr const char* kBadListFile = "BADLIST.TXT";
inline constexpr const char* kConfigFile = "QMAZE3.INI";
