#include "spelling/thesauruslookup.h"

#include "spelling/dictionarytext.h"
#include "spelling/thesaurus.h"

#include <array>

namespace {

struct PartOfSpeech {
    std::uint32_t code;
    const char* suffix;
    const char* tag;
};

constexpr std::array<PartOfSpeech, 4> kPartsOfSpeech = {{
    {kNounCode, " (noun)", ".n"},
    {kVerbCode, " (verb)", ".v"},
    {kAdjectiveCode, " (adjective)", ".adj"},
    {kAdverbCode, " (adverb)", ".adv"},
}};

} // namespace

QString shownCategory(const QString& category)
{
    const SplitCategory split = splitCategoryName(category);
    for (const PartOfSpeech& part : kPartsOfSpeech) {
        if (part.code == split.code)
            return split.word + QLatin1StringView(part.suffix);
    }
    return split.word;
}

QString categoryOfShown(const QString& shown)
{
    for (const PartOfSpeech& part : kPartsOfSpeech) {
        const qsizetype at = shown.indexOf(QLatin1StringView(part.suffix));
        if (at >= 0)
            return shown.left(at) + QLatin1StringView(part.tag);
    }
    return {};
}

ThesaurusLookup lookUpWord(const Thesaurus& thesaurus, const QString& word)
{
    ThesaurusLookup result;
    const QStringList categories = thesaurus.categories(trimBlanks(word));
    result.found = !categories.isEmpty();
    for (const QString& category : categories) {
        for (const QString& antonym : thesaurus.antonymCategories(category)) {
            const QString shown = shownCategory(antonym);
            if (result.antonyms.size() < kMaxAntonyms && !result.antonyms.contains(shown))
                result.antonyms.append(shown);
        }
        result.categories.append(shownCategory(category));
    }
    return result;
}

QStringList synonymsOfShown(const Thesaurus& thesaurus, const QString& shown)
{
    const QString category = categoryOfShown(shown);
    return category.isEmpty() ? QStringList() : thesaurus.synonyms(category);
}
