// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Repetition.h"

#include <QHash>
#include <QSet>
#include <functional>

std::vector<TRepetitionsspel>
Repetitionsplan(const std::vector<TMinnesrad>& forfallna,
                const std::vector<std::pair<QString, QString>>& forvaxlade) {
    // Each item's partners in the order given, the most frequent first.
    QHash<QString, QStringList> grannar;
    for (const auto& [fragad, givet] : forvaxlade) {
        if (!grannar[fragad].contains(givet))
            grannar[fragad].append(givet);
        if (!grannar[givet].contains(fragad))
            grannar[givet].append(fragad);
    }
    std::vector<TRepetitionsspel> spel;
    QHash<int32_t, QStringList> due; // each exercise's due items, most overdue first
    for (const TMinnesrad& m : forfallna) {
        if (!due.contains(m.Ovning))
            spel.push_back({m.Ovning, {}});
        if (!due[m.Ovning].contains(m.Objekt))
            due[m.Ovning].append(m.Objekt);
    }
    for (TRepetitionsspel& s : spel) {
        const QStringList& objekt = due[s.Ovning];
        QSet<QString> lagda;
        // A due item, then its partners: a due one with its own partners,
        // one not due alone, so that the review stays about what is due.
        const std::function<void(const QString&)> lagg = [&](const QString& o) {
            if (lagda.contains(o))
                return;
            lagda.insert(o);
            s.Objekt << o;
            if (objekt.contains(o))
                for (const QString& annat : grannar.value(o))
                    lagg(annat);
        };
        for (const QString& o : objekt)
            lagg(o);
    }
    return spel;
}
