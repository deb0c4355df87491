// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

// The one random generator of the program: a 32-bit state, each draw
// state := state * 134775813 + 1, yielding state / 2^32 in [0, 1).
namespace GlobinaRandom {

// Seeds the state from the UTC time of day in milliseconds.
void Randomize();
// A draw in [0, 1).
double Random();
// A uniform choice among 0..n-1.
int32_t Random(int32_t n);

uint32_t State();
void SetState(uint32_t state);

// Tests replace the clock that Randomize reads (milliseconds of the day).
void SetClock(std::function<uint32_t()> clock);

} // namespace GlobinaRandom
