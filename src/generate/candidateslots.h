#pragma once

#include "storage/puzzlerecord.h"

#include <array>
#include <cstdint>

// One kept attempt of a generation run: the whole record, the placement flag
// of every word entry and the score (number of placed words). A score of 0
// means the slot holds no candidate of the latest run.
struct CandidateSlot {
    PuzzleRecord record;
    std::array<std::uint8_t, PuzzleRecord::MaxWords> placed;
    int score = 0;

    bool isEmpty() const { return score < 1; }
    // Placement flag of entry k, counted from 1.
    bool isPlaced(int k) const { return k >= 1 && k <= PuzzleRecord::MaxWords && placed[k - 1] != 0; }
};

// The four best attempts, slot 1 the best. Owned by the caller (about 384 KB:
// allocate it once, on the heap); a run only writes into it.
class CandidateSlots {
public:
    static constexpr int Count = 4;

    CandidateSlot& slot(int n) { return m_slots[n - 1]; }
    const CandidateSlot& slot(int n) const { return m_slots[n - 1]; }
    int score(int n) const { return m_slots[n - 1].score; }

    void clearScores();

    // Ranks an attempt with the given score: the first slot whose score is
    // strictly lower takes it, after the slots from there on have moved down
    // one place (the fourth is lost). Equal scores keep the earlier attempt
    // in front. Returns the slot (1..4) the caller must fill with the
    // attempt, or 0 when it is not kept (score 0, or not better than slot 4).
    int makeRoomFor(int score);

private:
    std::array<CandidateSlot, Count> m_slots;
};
