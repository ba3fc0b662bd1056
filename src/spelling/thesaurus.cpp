#include "spelling/thesaurus.h"

#include "spelling/dictionarytext.h"
#include "spelling/spellsession.h"

#include <QFile>

#include <cstdio> // mythes.hxx uses FILE without including it

#include <mythes.hxx>

namespace {

// The tag of a MyThes part of speech: "(noun)" gives "n"; an unknown one is
// kept as written (without brackets and dots), or "x" when empty.
QString tagOfPartOfSpeech(QString pos)
{
    pos = pos.trimmed().toLower();
    if (pos.startsWith(u'(') && pos.endsWith(u')'))
        pos = pos.mid(1, pos.size() - 2).trimmed();
    if (pos == u"noun")
        return QStringLiteral("n");
    if (pos == u"verb")
        return QStringLiteral("v");
    if (pos == u"adj" || pos == u"adjective")
        return QStringLiteral("adj");
    if (pos == u"adv" || pos == u"adverb")
        return QStringLiteral("adv");
    pos.remove(u'.');
    return pos.isEmpty() ? QStringLiteral("x") : pos;
}

// A term of a meaning, split into its text and its marker: "city (generic
// term)" gives "city" and "generic term".
struct Term {
    QString text;
    QString marker;
};

Term splitTerm(const QString& term)
{
    const QString trimmed = term.trimmed();
    const qsizetype open = trimmed.lastIndexOf(QStringLiteral(" ("));
    if (open <= 0 || !trimmed.endsWith(u')'))
        return {trimmed, {}};
    return {trimmed.left(open).trimmed(), trimmed.mid(open + 2, trimmed.size() - open - 3)};
}

void appendOnce(QStringList& list, const QString& text)
{
    if (!text.isEmpty() && !list.contains(text))
        list.append(text);
}

bool readable(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly);
}

} // namespace

SplitCategory splitCategoryName(const QString& category)
{
    const qsizetype dot = category.lastIndexOf(u'.');
    if (dot < 0)
        return {category, 0};
    const QByteArray tag = category.mid(dot + 1).toLatin1();
    std::uint32_t code = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = i < tag.size() ? static_cast<unsigned char>(tag[i]) : 0u;
        code |= static_cast<std::uint32_t>(byte) << (24 - 8 * i);
    }
    return {category.left(dot), code};
}

Thesaurus::Thesaurus() = default;
Thesaurus::~Thesaurus() = default;

std::unique_ptr<Thesaurus> Thesaurus::open(const ThesaurusFiles& files, const std::optional<DictionaryFiles>& spelling)
{
    if (!readable(files.idx) || !readable(files.dat))
        return nullptr;
    std::unique_ptr<Thesaurus> thesaurus(new Thesaurus);
    thesaurus->m_thes = std::make_unique<MyThes>(QFile::encodeName(files.idx).constData(),
                                                 QFile::encodeName(files.dat).constData());
    const char* encoding = thesaurus->m_thes->get_th_encoding();
    if (!encoding)
        return nullptr;
    thesaurus->m_encoding = std::make_unique<DictionaryEncoding>(encoding);
    if (spelling) {
        auto session = std::make_unique<SpellSession>();
        if (session->openMainLexicon(*spelling))
            thesaurus->m_spelling = std::move(session);
    }
    return thesaurus;
}

std::vector<Thesaurus::Meaning> Thesaurus::lookUp(const QString& key) const
{
    std::vector<Meaning> result;
    const auto bytes = m_encoding->encode(key);
    if (!bytes || bytes->empty())
        return result;
    mentry* entries = nullptr;
    const int count = m_thes->Lookup(bytes->data(), static_cast<int>(bytes->size()), &entries);
    for (int i = 0; i < count && entries; ++i) {
        const mentry& entry = entries[i];
        Meaning meaning;
        // MyThes gives the part of speech only as the start of the
        // definition: "(noun) " followed by the first term.
        const QString definition = entry.defn ? m_encoding->decode(entry.defn) : QString();
        const QString first = entry.count > 0 && entry.psyns[0] ? m_encoding->decode(entry.psyns[0]) : QString();
        const qsizetype posLength = definition.size() - first.size() - 1;
        meaning.tag = tagOfPartOfSpeech(posLength > 0 && definition.endsWith(first) ? definition.left(posLength)
                                                                                    : QString());
        for (int j = 0; j < entry.count; ++j) {
            if (!entry.psyns[j])
                continue;
            const Term term = splitTerm(m_encoding->decode(entry.psyns[j]));
            appendOnce(term.marker == u"antonym" ? meaning.antonyms : meaning.synonyms, term.text);
        }
        result.push_back(std::move(meaning));
    }
    if (entries)
        m_thes->CleanUpAfterLookup(&entries, count);
    return result;
}

std::vector<Thesaurus::Meaning> Thesaurus::meanings(const QString& word, QString* key) const
{
    const QString typed = trimBlanks(word);
    for (const QString& candidate : {typed, typed.toLower()}) {
        std::vector<Meaning> found = lookUp(candidate);
        if (!found.empty()) {
            if (key)
                *key = candidate;
            return found;
        }
    }
    return {};
}

QStringList Thesaurus::categories(const QString& word) const
{
    QString key;
    QStringList result;
    for (const Meaning& meaning : meanings(word, &key))
        appendOnce(result, key + u'.' + meaning.tag);
    return result;
}

std::vector<Thesaurus::Meaning> Thesaurus::categoryMeanings(const QString& category) const
{
    const qsizetype dot = category.lastIndexOf(u'.');
    if (dot < 0)
        return {};
    const QString tag = category.mid(dot + 1);
    std::vector<Meaning> result;
    for (Meaning& meaning : meanings(category.left(dot))) {
        if (meaning.tag == tag)
            result.push_back(std::move(meaning));
    }
    return result;
}

QStringList Thesaurus::antonymCategories(const QString& category) const
{
    const QString tag = category.mid(category.lastIndexOf(u'.') + 1);
    QStringList result;
    for (const Meaning& meaning : categoryMeanings(category)) {
        for (const QString& antonym : meaning.antonyms)
            appendOnce(result, antonym + u'.' + tag);
    }
    return result;
}

QStringList Thesaurus::synonyms(const QString& category) const
{
    const QString word = splitCategoryName(category).word;
    QStringList result;
    for (const Meaning& meaning : categoryMeanings(category)) {
        for (const QString& synonym : meaning.synonyms) {
            if (synonym.compare(word, Qt::CaseInsensitive) != 0)
                appendOnce(result, synonym);
        }
    }
    return result;
}

QStringList Thesaurus::suggestions(const QString& word) const
{
    QStringList result;
    if (!m_spelling)
        return result;
    const QString typed = trimBlanks(word);
    for (const QString& candidate : m_spelling->stems(typed) + m_spelling->suggest(typed)) {
        if (candidate.compare(typed, Qt::CaseInsensitive) != 0 && !meanings(candidate).empty())
            appendOnce(result, candidate);
    }
    return result;
}
