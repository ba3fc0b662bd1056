#pragma once

#include <QString>
#include <QStringList>

class Thesaurus;

// What the thesaurus lookup window shows: categories as their word and a
// part-of-speech suffix (" (noun)", " (verb)", " (adjective)", " (adverb)"),
// and the antonym list.

// The shown text of a category: its word followed by the suffix of its code;
// a category of any other code shows its word alone.
QString shownCategory(const QString& category);

// The category name of a shown text: the text before the first suffix found
// (noun, verb, adjective, adverb in that order) followed by its tag; empty
// when the text has none of the four suffixes.
QString categoryOfShown(const QString& shown);

inline constexpr int kMaxAntonyms = 25;

struct ThesaurusLookup {
    bool found = false;     // false: the thesaurus does not know the word
    QStringList categories; // shown texts, in the engine's order
    QStringList antonyms;   // shown texts: at most 25, each once, in the order found
};

// Looks the word (blanks trimmed) up: every category, and the antonym
// categories of each.
ThesaurusLookup lookUpWord(const Thesaurus& thesaurus, const QString& word);

// The synonyms of a shown category text; none for a text without a suffix.
QStringList synonymsOfShown(const Thesaurus& thesaurus, const QString& shown);
