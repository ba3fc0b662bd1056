#include "base/random.h"

#include <QDateTime>
#include <optional>

namespace {
std::uint32_t g_state = 0;
std::optional<std::uint32_t> g_fixedSeed;
} // namespace

void Randomize()
{
    if (g_fixedSeed) {
        g_state = *g_fixedSeed;
        return;
    }
    const QTime now = QDateTime::currentDateTimeUtc().time();
    g_state = static_cast<std::uint32_t>(((now.hour() * 60 + now.minute()) * 60 + now.second()) * 1000
                                         + now.msec());
}

std::uint32_t Random(std::uint32_t n)
{
    g_state = g_state * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(g_state) * n) >> 32);
}

std::uint32_t randomState() { return g_state; }
void setRandomState(std::uint32_t state) { g_state = state; }
void setFixedRandomSeed(std::uint32_t seed) { g_fixedSeed = seed; }
void clearFixedRandomSeed() { g_fixedSeed.reset(); }
