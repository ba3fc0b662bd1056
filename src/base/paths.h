#pragma once

#include <QString>

// The program directory holds the program's own files (shape and layout
// libraries, BADLIST.TXT, help, user dictionaries). It is the folder of the
// executable unless the environment variable QUILLMAZE_PROGRAM_DIR names
// another one (tests, installed copies whose own folder is read-only).
constexpr const char* kProgramDirEnv = "QUILLMAZE_PROGRAM_DIR";

// Decides the program directory from the environment and the executable's
// folder, without a trailing separator.
QString findProgramDirectory(const QString& executableDir);

QString programDirectory();
void setProgramDirectory(const QString& dir);

// A file in the program directory.
QString programFile(const QString& name);

// The start directory: the current directory at start-up (QMAZE3.INI and the
// first collection live there).
QString startDirectory();
void setStartDirectory(const QString& dir);
QString startFile(const QString& name);

// Well-known file names.
inline constexpr const char* kShapeLibraryFile = "QZFLAY.DAT";
inline constexpr const char* kLayoutLibraryFile = "QZFPAGE.DAT";
inline constexpr const char* kBadListFile = "BADLIST.TXT";
inline constexpr const char* kConfigFile = "QMAZE3.INI";
