#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# An independent script of the published FSRS-6 formulas with the default
# weights; it prints the values that FsrsTest.cpp expects. Days are whole.
import math

w = [0.212, 1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194, 0.001, 1.8722, 0.1666, 0.796,
     1.4835, 0.0614, 0.2629, 1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542]
decay = -w[20]
factor = 0.9 ** (1 / decay) - 1


def recall(t, s): return (1 + factor * t / s) ** decay
def interval(s, r=0.9): return min(max(round(s / factor * (r ** (1 / decay) - 1)), 1), 36500)
def d0(g): return w[4] - math.exp(w[5] * (g - 1)) + 1
def clamp(d): return min(max(d, 1), 10)


def next_d(d, g):
    d2 = d + -w[6] * (g - 3) * (10 - d) / 9
    return clamp(w[7] * d0(4) + (1 - w[7]) * d2)


def recalled(d, s, r, g):
    hard = w[15] if g == 2 else 1
    easy = w[16] if g == 4 else 1
    return s * (1 + math.exp(w[8]) * (11 - d) * s ** -w[9] * (math.exp((1 - r) * w[10]) - 1)
                * hard * easy)


def forgotten(d, s, r):
    return min(w[11] * d ** -w[12] * ((s + 1) ** w[13] - 1) * math.exp((1 - r) * w[14]),
               s / math.exp(w[17] * w[18]))


def same_day(s, g):
    inc = math.exp(w[17] * (g - 3 + w[18])) * s ** -w[19]
    return s * (max(inc, 1) if g >= 3 else inc)


def step(state, g, days):
    if state is None:
        return max(w[g - 1], 0.001), clamp(d0(g))
    s, d = state
    if days < 1:
        s = same_day(s, g)
    else:
        r = recall(days, s)
        s = forgotten(d, s, r) if g == 1 else recalled(d, s, r, g)
    return max(s, 0.001), next_d(d, g)


for g in (1, 2, 3, 4):
    s, d = step(None, g, 0)
    print("first", g, s, "%.6f" % d, interval(s))
for grades in ([3, 3, 3, 3, 3], [3, 3, 1, 3, 3], [3, 2, 3, 1, 3], [1, 1, 2, 3]):
    state, days, ivls = None, 0, []
    for g in grades:
        state = step(state, g, days)
        days = interval(state[0])
        ivls.append(days)
    print(grades, ivls, "%.6f %.6f" % state)
for first, g, days in ((3, 3, 0), (3, 2, 0), (1, 1, 0), (3, 1, 3)):
    print(first, g, days, "%.6f %.6f" % step(step(None, first, 0), g, days))
print("recall(10, 5) %.6f" % recall(10, 5))
