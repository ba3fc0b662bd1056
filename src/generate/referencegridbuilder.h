#pragma once

#include "generate/placementengine.h"
#include "storage/puzzlerecord.h"

#include <array>
#include <cstdint>

// The placement rules done literally on the current record: every try of a
// direction visits its start cells one by one and reads every letter cell.
// Slow; kept as the yardstick that tests and benchmarks compare GridBuilder
// with.
class ReferenceGridBuilder : public PlacementEngine {
public:
    void startRun(const PlacementSetup& setup) override;
    int makeAttempt() override;
    void buildCheckList(OffensiveWordFilter& filter) override;
    void storeAttempt(CandidateSlot& slot) override;

private:
    void sortByLength();
    void placeWord(int w);
    bool tryDirection(int w, int direction, int threshold);
    bool tryStartCell(int w, int row, int col, int direction, int threshold);
    void trim();
    void markShape();
    void reorder();
    void exchange(int a, int b, bool withPositions);

    PlacementSetup m_setup;
    PuzzleRecord* m_record = nullptr;
    std::array<std::uint8_t, PuzzleRecord::MaxWords> m_flags{};
    std::array<std::uint8_t, PuzzleRecord::WordLength> m_letters{};
    int m_length = 0;
};
