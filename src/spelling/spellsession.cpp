#include "spelling/spellsession.h"

#include "spelling/dictionarytext.h"

#include <QFile>

#include <hunspell/hunspell.hxx>

namespace {

bool readable(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

SpellSession::SpellSession() = default;
SpellSession::~SpellSession() = default;

bool SpellSession::openMainLexicon(const DictionaryFiles& files)
{
    if (!readable(files.aff) || !readable(files.dic))
        return false;
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(files.aff).constData(),
                                            QFile::encodeName(files.dic).constData());
    m_encoding = std::make_unique<DictionaryEncoding>(m_hunspell->get_dict_encoding());
    for (const QString& word : std::as_const(m_included))
        addToDictionary(word);
    return true;
}

void SpellSession::includeWords(const QStringList& words)
{
    for (const QString& word : words) {
        m_included.append(word);
        addToDictionary(word);
    }
}

void SpellSession::excludeWords(const QStringList& words)
{
    for (const QString& word : words)
        m_excluded.insert(word.toCaseFolded());
}

void SpellSession::addToDictionary(const QString& word)
{
    if (!m_hunspell)
        return;
    if (const auto bytes = m_encoding->encode(word))
        m_hunspell->add(*bytes);
}

bool SpellSession::isExcluded(const QString& word) const { return m_excluded.contains(word.toCaseFolded()); }

bool SpellSession::check(const QString& word) const
{
    if (isExcluded(word))
        return false;
    if (!m_hunspell)
        return m_included.contains(word);
    const auto bytes = encoded(word);
    return bytes && m_hunspell->spell(*bytes);
}

std::optional<std::string> SpellSession::encoded(const QString& word) const
{
    return m_hunspell ? m_encoding->encode(word) : std::nullopt;
}

QStringList SpellSession::decoded(const std::vector<std::string>& words) const
{
    QStringList result;
    for (const std::string& word : words) {
        const QString text = m_encoding->decode(word);
        if (!text.isEmpty() && !result.contains(text))
            result.append(text);
    }
    return result;
}

QStringList SpellSession::suggest(const QString& word) const
{
    const auto bytes = encoded(word);
    if (!bytes)
        return {};
    QStringList result = decoded(m_hunspell->suggest(*bytes));
    result.removeIf([this](const QString& text) { return isExcluded(text) || !fitsWindows1252(text); });
    return result;
}

QStringList SpellSession::stems(const QString& word) const
{
    const auto bytes = encoded(word);
    return bytes ? decoded(m_hunspell->stem(*bytes)) : QStringList();
}
