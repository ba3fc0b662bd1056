#pragma once

#include "storage/settings.h"

#include <QString>

class IniFile;

// QMAZE3.INI: the settings blocks as sections "Misc", "HTML",
// "Create Options", "Create", "Page Layout", "Reports", "Edit Font",
// "Label Font" and "Button Font", every key read and written in one fixed
// order.
//
// Reading rules: flags are true exactly when the value (cut to 14
// characters, upper-cased) is "YES"; numbers follow readIntegerSetting; texts
// are cut to their length (149 for paths, 254 for recent files, 999 for HTML
// headers and footers, 100 for the web title, 149 for font names, 4 for the
// international keys); a character takes the value's first character, an
// empty value its default. A missing key keeps its default; the "Last ...
// File" paths default to startDir and "Last Group" to
// defaultCollectionPath(startDir). Defaults are not cut.

// The settings held by ini; never fails.
Settings loadSettings(const IniFile& ini, const QString& startDir);

// Writes every key of settings into ini, in order, keeping the file's other
// lines.
void saveSettings(const Settings& settings, IniFile& ini);

// loadSettings from the file at path; a missing or unreadable file gives
// every default.
Settings loadSettingsFile(const QString& path, const QString& startDir);

// Writes every key into the file at path, keeping what else the file holds.
// The file is replaced only when completely written; on failure returns false
// and, when error is given, sets it to the reason.
bool saveSettingsFile(const Settings& settings, const QString& path, QString* error = nullptr);
