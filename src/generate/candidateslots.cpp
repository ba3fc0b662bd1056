#include "generate/candidateslots.h"

void CandidateSlots::clearScores()
{
    for (auto& slot : m_slots)
        slot.score = 0;
}

int CandidateSlots::makeRoomFor(int score)
{
    if (score < 1)
        return 0;
    for (int n = 1; n <= Count; ++n) {
        if (score > m_slots[n - 1].score) {
            for (int k = Count; k > n; --k)
                m_slots[k - 1] = m_slots[k - 2];
            m_slots[n - 1].score = score;
            return n;
        }
    }
    return 0;
}
