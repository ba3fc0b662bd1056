#pragma once

#include "spelling/languages.h"

#include <QString>

// The small dictionary and thesaurus shipped with the tests (tests/data/spelling):
// a few farm and weather words, some with accents, and a thesaurus of nine words.
inline DictionaryFiles fixtureDictionary()
{
    const QString base = QStringLiteral(QM_SOURCE_DIR "/tests/data/spelling/tiny");
    return {base + QStringLiteral(".dic"), base + QStringLiteral(".aff")};
}

inline ThesaurusFiles fixtureThesaurus()
{
    const QString base = QStringLiteral(QM_SOURCE_DIR "/tests/data/spelling/tiny_th");
    return {base + QStringLiteral(".dat"), base + QStringLiteral(".idx")};
}
