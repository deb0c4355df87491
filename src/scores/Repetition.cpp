// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Repetition.h"

#include <QHash>
#include <QSet>
#include <functional>

std::vector<TRepetitionsspel>
Repetitionsplan(const std::vector<TMinnesrad>& forfallna,
                const std::vector<std::pair<QString, QString>>& forvaxlade) {
    QHash<QString, QSet<QString>> grannar;
    for (const auto& [fragad, givet] : forvaxlade) {
        grannar[fragad].insert(givet);
        grannar[givet].insert(fragad);
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
        // An item, then each of its confusions with their own, depth first.
        const std::function<void(const QString&)> lagg = [&](const QString& o) {
            if (lagda.contains(o))
                return;
            lagda.insert(o);
            s.Objekt << o;
            const QSet<QString> mina = grannar.value(o);
            for (const QString& annat : objekt)
                if (mina.contains(annat))
                    lagg(annat);
        };
        for (const QString& o : objekt)
            lagg(o);
    }
    return spel;
}
