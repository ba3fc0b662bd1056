#pragma once

#include <QByteArrayView>

#include <cstdint>

// Rules on word entries shared by the placement engines.

// Row and column step of direction d (1..8, clockwise from up).
struct DirectionStep {
    int dr;
    int dc;
    // The change of the cell index from one letter to the next.
    int cellStep() const { return 50 * dr + dc; }
};
inline DirectionStep directionStep(int direction)
{
    constexpr DirectionStep steps[9] = {
        {0, 0}, {-1, 0}, {-1, 1}, {0, 1}, {1, 1}, {1, 0}, {1, -1}, {0, -1}, {-1, -1},
    };
    return steps[(direction >= 1 && direction <= 8) ? direction : 0];
}

// The letters a word puts into the grid: its characters in order with every
// blank removed, each upper-cased with UpperLatin1. Writes at most 30 letters
// into `letters` and returns their number.
int placementLetters(QByteArrayView word, std::uint8_t* letters);

// Byte-wise comparison of two stored words (bytes as unsigned values; a
// prefix sorts before the longer word): negative, 0 or positive.
int compareWords(QByteArrayView a, QByteArrayView b);
