// SPDX-License-Identifier: GPL-3.0-or-later
#include "screens/Fokusordning.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <tuple>

namespace Fokusordning {

std::vector<int> Tabordning(const std::vector<QPointF>& punkter, double bandhojd) {
    std::vector<int> ordning(punkter.size());
    std::iota(ordning.begin(), ordning.end(), 0);
    if (punkter.empty())
        return ordning;
    double topp = punkter.front().y();
    for (const QPointF& p : punkter)
        topp = std::min(topp, p.y());
    const auto band = [&](const QPointF& p) {
        return bandhojd > 0 ? static_cast<long>(std::floor((p.y() - topp) / bandhojd)) : 0L;
    };
    std::stable_sort(ordning.begin(), ordning.end(), [&](int a, int b) {
        const QPointF& p = punkter[a];
        const QPointF& q = punkter[b];
        return std::make_tuple(band(p), p.x(), p.y(), a) <
               std::make_tuple(band(q), q.x(), q.y(), b);
    });
    return ordning;
}

int Granne(const std::vector<QPointF>& punkter, int fran, TRiktning riktning) {
    if (fran < 0 || fran >= static_cast<int>(punkter.size()))
        return -1;
    const QPointF start = punkter[fran];
    int bastKon = -1, bastHalv = -1;
    double kon = 0, halv = 0;
    for (int i = 0; i < static_cast<int>(punkter.size()); ++i) {
        if (i == fran)
            continue;
        const QPointF d = punkter[i] - start;
        // Along the direction, and across it.
        double langs = 0, tvars = 0;
        switch (riktning) {
        case TRiktning::Hoger:
            langs = d.x(), tvars = std::fabs(d.y());
            break;
        case TRiktning::Vanster:
            langs = -d.x(), tvars = std::fabs(d.y());
            break;
        case TRiktning::Ned:
            langs = d.y(), tvars = std::fabs(d.x());
            break;
        case TRiktning::Upp:
            langs = -d.y(), tvars = std::fabs(d.x());
            break;
        }
        if (langs <= 0)
            continue;
        const double matt = std::hypot(langs, tvars) + tvars;
        if (tvars <= langs && (bastKon < 0 || matt < kon))
            bastKon = i, kon = matt;
        if (bastHalv < 0 || matt < halv)
            bastHalv = i, halv = matt;
    }
    return bastKon >= 0 ? bastKon : bastHalv;
}

} // namespace Fokusordning
