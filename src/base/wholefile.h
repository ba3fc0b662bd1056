#pragma once

#include <QByteArrayView>
#include <QSaveFile>
#include <QString>

// A whole-file output (the settings file, interchange files, exports): the
// new content goes into a temporary file beside the target, which takes the
// target's place in one rename once every byte is written. The target is
// therefore always either the old file or the complete new one.
//
// Every write goes straight to the file and is checked. QSaveFile's own
// buffered writing must not be relied on: when the disk fills up during its
// final flush, the short write sets no error and commit() puts a file cut
// short in the target's place.
class WholeFile {
public:
    explicit WholeFile(const QString& path);

    // False when the temporary file cannot be made (a missing or
    // write-protected folder, a read-only target).
    bool open();
    // False when not every byte could be written; the file will then not
    // replace the target.
    bool write(QByteArrayView bytes);
    // Puts the new file in the target's place. False, leaving the target as
    // it was, when a write failed or the file could not be completed.
    bool commit();

    QString errorString() const { return m_error.isEmpty() ? m_file.errorString() : m_error; }

private:
    QSaveFile m_file;
    QString m_error;
};

// Writes bytes as the whole file at path (see WholeFile). False, leaving the
// old file as it was, on any failure; error, when given, says why.
bool saveWholeFile(const QString& path, QByteArrayView bytes, QString* error = nullptr);
