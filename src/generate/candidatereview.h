#pragma once

#include <QString>
#include <QStringList>

struct CandidateSlot;

// What the candidate review shows about one candidate, apart from its
// picture.

// "Best Fit", "Second Best Fit", "Third Best Fit", "Fourth Best Fit" for
// slots 1..4.
QString slotCaption(int n);

// The words of the editor's list (entries 1..listWordCount of the slot's
// record) split by the slot's placement flags, each list sorted by text
// without regard to case.
struct CandidateWords {
    QStringList included;
    QStringList excluded;
};
CandidateWords candidateWords(const CandidateSlot& slot, int listWordCount);

// "9 Included Words", "1 Included Word"; "3 Excluded Words", "1 Excluded Word".
QString includedWordsCaption(int count);
QString excludedWordsCaption(int count);

// "120 Chars": the number of free cells, which a hidden phrase must fill.
QString freeCellsCaption(int count);
