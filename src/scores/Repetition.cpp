// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Repetition.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <functional>

namespace {

// A due item with the partners asked straight after it, and how overdue the
// item is (its place in the due list).
struct TBlock {
    size_t Rang = 0;
    QStringList Objekt;
};

} // namespace

std::vector<TRepetitionsspel>
Repetitionsplan(const std::vector<TMinnesrad>& forfallna,
                const std::vector<std::pair<QString, QString>>& forvaxlade, const TSlagFor& slag) {
    // Each item's partners in the order given, the most frequent first.
    QHash<QString, QStringList> grannar;
    for (const auto& [fragad, givet] : forvaxlade) {
        if (!grannar[fragad].contains(givet))
            grannar[fragad].append(givet);
        if (!grannar[givet].contains(fragad))
            grannar[givet].append(fragad);
    }
    std::vector<int32_t> ovningar;   // in the order of their most overdue item
    QHash<int32_t, QStringList> due; // each exercise's due items, most overdue first
    QHash<int32_t, std::vector<size_t>> rang;
    for (size_t r = 0; r < forfallna.size(); ++r) {
        const TMinnesrad& m = forfallna[r];
        if (!due.contains(m.Ovning))
            ovningar.push_back(m.Ovning);
        if (!due[m.Ovning].contains(m.Objekt)) {
            due[m.Ovning].append(m.Objekt);
            rang[m.Ovning].push_back(r);
        }
    }
    struct TSpel {
        TRepetitionsspel spel;
        TRepetitionsslag slag;
        std::vector<TBlock> block;
    };
    std::vector<TSpel> spel;
    for (const int32_t ovning : ovningar) {
        const QStringList& objekt = due[ovning];
        std::vector<TBlock> block;
        QSet<QString> lagda;
        // A due item, then its partners: a due one with its own partners,
        // one not due alone, so that the review stays about what is due.
        const std::function<void(const QString&, QStringList&)> lagg = [&](const QString& o,
                                                                           QStringList& ut) {
            if (lagda.contains(o))
                return;
            lagda.insert(o);
            ut << o;
            if (objekt.contains(o))
                for (const QString& annat : grannar.value(o))
                    lagg(annat, ut);
        };
        for (int i = 0; i < objekt.size(); ++i)
            if (!lagda.contains(objekt[i])) {
                block.push_back({rang[ovning][static_cast<size_t>(i)], {}});
                lagg(objekt[i], block.back().Objekt);
            }
        const TRepetitionsslag s = slag ? slag(ovning) : TRepetitionsslag();
        // Areas and places of one map and part go in one game, blocks by
        // how overdue their first item is.
        const auto med = std::find_if(spel.begin(), spel.end(), [&](const TSpel& t) {
            return s.Slag != TRepetitionsslag::Annat && t.spel.Med == 0 &&
                   t.slag.Slag != TRepetitionsslag::Annat && t.slag.Slag != s.Slag &&
                   t.slag.Karta == s.Karta && t.slag.Varldsdel == s.Varldsdel;
        });
        if (med == spel.end()) {
            spel.push_back({{ovning, {}, 0}, s, std::move(block)});
            continue;
        }
        med->spel.Med = ovning;
        std::vector<TBlock> alla = std::move(med->block);
        alla.insert(alla.end(), block.begin(), block.end());
        std::stable_sort(alla.begin(), alla.end(),
                         [](const TBlock& a, const TBlock& b) { return a.Rang < b.Rang; });
        med->block = std::move(alla);
    }
    std::vector<TRepetitionsspel> ut;
    for (TSpel& t : spel) {
        for (const TBlock& b : t.block)
            t.spel.Objekt << b.Objekt;
        ut.push_back(std::move(t.spel));
    }
    return ut;
}
