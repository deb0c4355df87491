// SPDX-License-Identifier: GPL-3.0-or-later
#include "exercises/Random.h"

#include <QDateTime>

namespace GlobinaRandom {
namespace {

uint32_t state = 0;

std::function<uint32_t()>& Clock() {
    static std::function<uint32_t()> clock;
    return clock;
}

} // namespace

void Randomize() {
    if (Clock())
        state = Clock()();
    else
        state =
            static_cast<uint32_t>(QDateTime::currentDateTimeUtc().time().msecsSinceStartOfDay());
}

double Random() {
    state = state * 134775813u + 1u;
    return state / 4294967296.0;
}

int32_t Random(int32_t n) {
    // Exact for n below 2^21: the draw has 32 significant bits.
    return static_cast<int32_t>(Random() * n);
}

uint32_t State() {
    return state;
}

void SetState(uint32_t s) {
    state = s;
}

void SetClock(std::function<uint32_t()> clock) {
    Clock() = std::move(clock);
}

} // namespace GlobinaRandom
