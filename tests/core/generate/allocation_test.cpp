// Counts heap allocations, to check that a generation run allocates nothing
// between its attempts. Replaces the plain (not over-aligned) operator new
// and delete family of the test program with malloc and free.

#include "generationfixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> g_allocations{0};

void* allocate(std::size_t size)
{
    ++g_allocations;
    return std::malloc(size ? size : 1);
}
} // namespace

void* operator new(std::size_t size)
{
    if (void* p = allocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size)
{
    if (void* p = allocate(size))
        return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return allocate(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

TEST(GenerationRun, AllocatesNothingBetweenAttempts)
{
    // Allocations counted from the start of one attempt to the start of the next.
    struct CountingObserver : GenerationObserver {
        long atStart = -1;
        long worst = 0;
        int attempts = 0;
        void attemptStarted(int) override
        {
            const long now = g_allocations.load();
            if (atStart >= 0)
                worst = std::max(worst, now - atStart);
            atStart = now;
            ++attempts;
        }
    } observer;

    // More than an 8 x 8 grid holds: no attempt places them all, no early end.
    GenerationFixture fx(8, 8, {"harbour", "anchor", "rudder", "sailor", "cabin", "deck", "mast", "oar", "keel",
                                "helm", "lighthouse", "compass", "starboard", "lantern", "galley"});
    fx.settings.attempts = 40;
    fx.badList.setEntries({"AE", "ST", "ORE"}); // some attempts are thrown away too
    const GenerationResult result = fx.run(123, &observer);
    EXPECT_GT(observer.attempts, 30);
    EXPECT_GT(result.rejectedAttempts, 0);
    EXPECT_EQ(observer.worst, 0);
}
