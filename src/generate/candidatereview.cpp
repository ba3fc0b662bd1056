#include "generate/candidatereview.h"

#include "generate/candidateslots.h"

#include <algorithm>

namespace {

void sortWithoutCase(QStringList& words)
{
    std::stable_sort(words.begin(), words.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
}

QString countCaption(int count, const QString& noun)
{
    return QStringLiteral("%1 %2%3").arg(count).arg(noun, count == 1 ? QString() : QStringLiteral("s"));
}

} // namespace

QString slotCaption(int n)
{
    static const QString kCaptions[] = {QStringLiteral("Best Fit"), QStringLiteral("Second Best Fit"),
                                        QStringLiteral("Third Best Fit"), QStringLiteral("Fourth Best Fit")};
    return kCaptions[std::clamp(n, 1, 4) - 1];
}

CandidateWords candidateWords(const CandidateSlot& slot, int listWordCount)
{
    CandidateWords words;
    const int count = std::clamp(listWordCount, 0, PuzzleRecord::MaxWords);
    for (int k = 1; k <= count; ++k)
        (slot.isPlaced(k) ? words.included : words.excluded).append(slot.record.word(k).text());
    sortWithoutCase(words.included);
    sortWithoutCase(words.excluded);
    return words;
}

QString includedWordsCaption(int count) { return countCaption(count, QStringLiteral("Included Word")); }
QString excludedWordsCaption(int count) { return countCaption(count, QStringLiteral("Excluded Word")); }
QString freeCellsCaption(int count) { return QStringLiteral("%1 Chars").arg(count); }
