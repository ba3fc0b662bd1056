#pragma once

#include <QList>
#include <QString>

// Moving whole puzzle records between collection files: the import of
// chosen puzzles of another file into the current one, and the export of
// chosen puzzles of the current file into a new one. Records are copied byte
// for byte, in the order given.

inline const QString kNotQuillmazeFile = QStringLiteral("The file selected is not a valid Quillmaze file.");
inline const QString kImportSameFile = QStringLiteral("Import File cannot be the same as the currently open file.");
inline const QString kExportSameFile = QStringLiteral("Export File cannot be the same as the currently open file.");
inline const QString kNoPuzzlesForImport = QStringLiteral("No puzzles have been selected for import.");
inline const QString kNoPuzzlesForExport = QStringLiteral("No puzzles have been selected for export.");
inline const QString kUnableToImport = QStringLiteral("Unable to import puzzles.");
inline const QString kUnableToExport = QStringLiteral("Unable to export puzzles.");

// True when both paths name one file: equal when letter case is ignored,
// also after links and "." and ".." are resolved, or the same file on disk
// (a hard link).
bool isSameFile(const QString& a, const QString& b);

// What the import command does with a chosen path, by its last four
// characters (case ignored) and its relation to the current collection.
enum class ImportChoice { Collection, SinglePuzzleFile, NotQuillmaze, SameAsCurrent };
ImportChoice classifyImportPath(const QString& chosen, const QString& currentCollection);

enum class TransferResult { Done, SourceUnreadable, TargetUnwritable, SameFile };

// Appends records `indices` of `source` to the end of `target` (created when
// it cannot be opened). Throws IoError when a read or write fails after the
// files were opened; records appended before stay.
TransferResult appendPuzzles(const QString& source, const QString& target, const QList<qint64>& indices);

// Writes records `indices` of `source` as the whole content of `target`,
// replacing it only once everything is written; refuses a target that is the
// source itself. Throws IoError when a read or write fails after opening, and
// the target then keeps what it held.
TransferResult exportPuzzles(const QString& source, const QString& target, const QList<qint64>& indices);
