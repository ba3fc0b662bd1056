#include "storage/inifile.h"

#include "base/ansi.h"
#include "base/wholefile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace {

bool isBlank(QChar ch) { return ch == u' ' || ch == u'\t'; }

QString trimBlanks(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

QString foldName(const QString& name) { return trimBlanks(name).toCaseFolded(); }

// UTF-8 when the bytes are valid UTF-8, else Windows-1252. A byte order mark
// is dropped so that a first line saved by an editor with a mark still counts.
QString decodeLine(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = ansiToUnicode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

// The name of a section header line, or nothing for other lines.
std::optional<QString> sectionName(const QString& trimmed)
{
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return trimBlanks(trimmed.mid(1, close < 0 ? -1 : close - 1));
}

// The name of a key line, or an empty string for lines that hold no key.
QString keyName(const QString& trimmed)
{
    const qsizetype equals = trimmed.indexOf(u'=');
    return equals < 0 ? QString() : trimBlanks(trimmed.left(equals));
}

bool breaksLine(const QString& text)
{
    return text.contains(u'\n') || text.contains(u'\r');
}

} // namespace

IniFile IniFile::fromBytes(QByteArrayView bytes)
{
    IniFile ini;
    qsizetype start = 0;
    while (start < bytes.size()) {
        // A line ends at LF, CR LF or a lone CR, so that no value can hold a
        // line break that writing it back would have to change.
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        qsizetype next = end;
        if (next < bytes.size())
            next += (bytes[next] == '\r' && next + 1 < bytes.size() && bytes[next + 1] == '\n') ? 2 : 1;
        ini.addLine(bytes.sliced(start, end - start).toByteArray(), bytes.sliced(end, next - end).toByteArray());
        start = next;
    }
    return ini;
}

void IniFile::addLine(QByteArray text, QByteArray ending)
{
    const QString trimmed = trimBlanks(decodeLine(text));
    if (const auto name = sectionName(trimmed)) {
        m_sections.push_back(Section{Line{std::move(text), std::move(ending)}, {}, {}});
        const QString folded = name->toCaseFolded();
        if (!m_sectionIndex.contains(folded)) // the first section of a name wins
            m_sectionIndex.insert(folded, m_sections.size() - 1);
        return;
    }
    Section& section = m_sections.back();
    section.lines.push_back(Line{std::move(text), std::move(ending)});
    indexKey(section, section.lines.size() - 1);
}

void IniFile::indexKey(Section& section, qsizetype lineIndex)
{
    const QString key = keyName(trimBlanks(decodeLine(section.lines[lineIndex].text)));
    const QString folded = key.toCaseFolded();
    if (!key.isEmpty() && !section.keyLine.contains(folded)) // the first key of a name wins
        section.keyLine.insert(folded, lineIndex);
}

bool IniFile::load(const QString& path)
{
    *this = IniFile();
    // Only plain files: opening a FIFO or device for reading could block.
    if (!QFileInfo(path).isFile()) {
        m_error = QStringLiteral("Not a file: %1").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    *this = fromBytes(file.readAll());
    return true;
}

bool IniFile::save(const QString& path)
{
    m_error.clear();
    return saveWholeFile(path, toBytes(), &m_error);
}

QByteArray IniFile::toBytes() const
{
    QByteArray bytes;
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (i > 0)
            bytes += section.header.text + section.header.ending;
        for (const Line& line : section.lines)
            bytes += line.text + line.ending;
    }
    return bytes;
}

std::optional<QString> IniFile::value(const QString& section, const QString& key) const
{
    const auto sectionIt = m_sectionIndex.constFind(foldName(section));
    if (sectionIt == m_sectionIndex.constEnd())
        return std::nullopt;
    const Section& found = m_sections[*sectionIt];
    const auto keyIt = found.keyLine.constFind(foldName(key));
    if (keyIt == found.keyLine.constEnd())
        return std::nullopt;
    const QString text = decodeLine(found.lines[*keyIt].text);
    return trimBlanks(text.mid(text.indexOf(u'=') + 1));
}

QString IniFile::value(const QString& section, const QString& key, const QString& defaultValue) const
{
    return value(section, key).value_or(defaultValue);
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString name = trimBlanks(key);
    if (name.isEmpty() || name.contains(u'=') || breaksLine(name) || section.contains(u']')
        || breaksLine(section))
        return;

    QString flat = value;
    flat.replace(u'\r', u' ').replace(u'\n', u' ');
    const QByteArray text = (name + u'=' + flat).toUtf8();

    Section& target = sectionFor(section);
    const auto keyIt = target.keyLine.constFind(name.toCaseFolded());
    if (keyIt != target.keyLine.constEnd())
        target.lines[*keyIt].text = text;
    else
        appendLine(target, text);
}

IniFile::Section& IniFile::sectionFor(const QString& name)
{
    const QString folded = foldName(name);
    const auto it = m_sectionIndex.constFind(folded);
    if (it != m_sectionIndex.constEnd())
        return m_sections[*it];

    endLastLine();
    m_sections.push_back(Section{Line{(u'[' + trimBlanks(name) + u']').toUtf8(), newLineEnding()}, {}, {}});
    m_sectionIndex.insert(folded, m_sections.size() - 1);
    return m_sections.back();
}

// Puts the line after the section's last non-blank line, so that blank lines
// separating it from the next section stay where they are.
void IniFile::appendLine(Section& section, const QByteArray& text)
{
    qsizetype position = qsizetype(section.lines.size());
    while (position > 0 && trimBlanks(decodeLine(section.lines[position - 1].text)).isEmpty())
        --position;

    Line& before = position > 0 ? section.lines[position - 1] : section.header;
    if (before.ending.isEmpty())
        before.ending = newLineEnding();
    // Only blank lines follow the insertion point, and a blank line is never
    // indexed as a key, so no indexed key line moves.
    section.lines.insert(section.lines.begin() + position, Line{text, newLineEnding()});
    indexKey(section, position);
}

void IniFile::endLastLine()
{
    for (auto section = m_sections.rbegin(); section != m_sections.rend(); ++section) {
        if (!section->lines.empty()) {
            if (section->lines.back().ending.isEmpty())
                section->lines.back().ending = newLineEnding();
            return;
        }
        if (section != std::prev(m_sections.rend())) { // a header without lines
            if (section->header.ending.isEmpty())
                section->header.ending = newLineEnding();
            return;
        }
    }
}

QByteArray IniFile::newLineEnding() const
{
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        const Section& section = m_sections[i];
        if (i > 0 && !section.header.ending.isEmpty())
            return section.header.ending;
        for (const Line& line : section.lines)
            if (!line.ending.isEmpty())
                return line.ending;
    }
    return QByteArrayLiteral("\n");
}
