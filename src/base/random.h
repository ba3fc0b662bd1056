#pragma once

#include <cstdint>

// The program's one pseudo-random generator. The formula and the order of
// draws are fixed, so a seed repeats a run exactly on every platform.

// Seeds the state from the UTC time of day in milliseconds.
void Randomize();

// Advances the state (state * 134775813 + 1, modulo 2^32) and returns the
// upper 32 bits of state * n: a number 0..n-1. Random(0) returns 0 after
// advancing the state.
std::uint32_t Random(std::uint32_t n);

std::uint32_t randomState();
void setRandomState(std::uint32_t state);

// While a fixed seed is set (tests, "qmaze --seed"), Randomize sets the state
// to it instead of the clock.
void setFixedRandomSeed(std::uint32_t seed);
void clearFixedRandomSeed();
