#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <optional>
#include <vector>

// A private-profile (INI) file held in memory: "[Section]" lines, each
// followed by "key=value" lines.
//
// Reading: section and key names are compared without regard to case, and
// the first section and the first key of a name win. Names and values lose
// surrounding blanks and tabs. A line whose first non-blank character is "["
// starts a section named by the text up to the first "]" (or to the end of
// the line when there is none). Any other line with an "=" and a non-empty
// name before it is a key; everything else (comments, junk) is kept but
// never matched. Lines end with LF, CR LF or a lone CR.
//
// Text: each line is read as UTF-8 when it is valid UTF-8, otherwise as
// Windows-1252, so files written on Windows with accented paths still read
// sensibly. Everything written is UTF-8.
//
// Writing a value replaces only that key's line; every other line keeps its
// exact bytes and place. A new key goes after the last non-blank line of its
// section, a new section at the end of the file. New lines use the line
// ending of the file's first line (LF for a new file).
class IniFile {
public:
    IniFile() = default;

    // Parses bytes as file content; never fails, whatever the bytes.
    static IniFile fromBytes(QByteArrayView bytes);

    // Replaces the content with the file at path. A missing or unreadable
    // file gives an empty content and returns false.
    bool load(const QString& path);

    // Writes the whole content through a temporary file that replaces the
    // file only when complete. On failure returns false, leaves the old
    // file as it was and sets errorString().
    bool save(const QString& path);

    QByteArray toBytes() const;
    QString errorString() const { return m_error; }

    // The value of a key, or nothing when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;
    QString value(const QString& section, const QString& key, const QString& defaultValue) const;

    // Sets a key, creating its section and key as needed. Line breaks in the
    // value become blanks so that a value always stays on its own line. An
    // empty key name, or a name that could not be read back (holding "=",
    // "]" or a line break), is ignored.
    void setValue(const QString& section, const QString& key, const QString& value);

private:
    struct Line {
        QByteArray text;   // without its line ending
        QByteArray ending; // "\n", "\r\n" or empty for an unterminated last line
    };
    struct Section {
        Line header;                      // unused for the lines before the first section
        std::vector<Line> lines;
        QHash<QString, qsizetype> keyLine; // folded key -> first line holding it
    };

    void addLine(QByteArray text, QByteArray ending);
    void indexKey(Section& section, qsizetype lineIndex);
    Section& sectionFor(const QString& name);
    void appendLine(Section& section, const QByteArray& text);
    void endLastLine();
    QByteArray newLineEnding() const;

    // m_sections[0] holds the lines before the first section header.
    std::vector<Section> m_sections{1};
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> first section
    QString m_error;
};
