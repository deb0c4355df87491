// SPDX-License-Identifier: GPL-3.0-or-later
#include "scores/Repetition.h"

#include <gtest/gtest.h>

namespace {

// "exercise:item" in the order most overdue first.
std::vector<TMinnesrad> Forfallna(const QStringList& rader) {
    std::vector<TMinnesrad> ut;
    for (const QString& r : rader) {
        TMinnesrad m;
        m.Ovning = r.section(':', 0, 0).toInt();
        m.Objekt = r.section(':', 1);
        ut.push_back(m);
    }
    return ut;
}

// "exercise:item item ..." per game, "exercise+other:..." for two in one.
QStringList Plan(const std::vector<TRepetitionsspel>& spel) {
    QStringList ut;
    for (const TRepetitionsspel& s : spel)
        ut << QString("%1%2:%3")
                  .arg(s.Ovning)
                  .arg(s.Med ? QString("+%1").arg(s.Med) : QString())
                  .arg(s.Objekt.join(' '));
    return ut;
}

// Exercises 1 (areas) and 2 and 4 (places) of map 2 in Europe, 3 (areas) of
// map 5 in Asia, 5 of flags, 6 (places) of map 2 in the north.
TRepetitionsslag Slag(int32_t ovning) {
    using S = TRepetitionsslag;
    switch (ovning) {
    case 1:
        return {S::Areor, 2, "EUR"};
    case 2:
    case 4:
        return {S::Platser, 2, "EUR"};
    case 3:
        return {S::Areor, 5, "ASI"};
    case 6:
        return {S::Platser, 2, "NOR"};
    default:
        return {};
    }
}

} // namespace

TEST(Repetitionsplan, GamesGoByMapMostOverdueFirstWithConfusionsBackToBack) {
    using Par = std::vector<std::pair<QString, QString>>;
    const struct {
        const char* namn;
        QStringList forfallna;
        Par forvaxlade;
        QStringList plan;
        bool blandat = false; // areas and places of a map in one game
    } fall[] = {
        {"nothing due", {}, {{"SI", "SK"}}, {}},
        {"one map per game, the most overdue map first",
         {"2:FR", "1:SE", "2:DE", "1:NO"},
         {},
         {"2:FR DE", "1:SE NO"}},
        {"a confusion pulls its partner forward, either way round",
         {"1:SI", "1:SE", "1:HR", "1:SK"},
         {{"SK", "SI"}},
         {"1:SI SK SE HR"}},
        {"chains of due partners stay together, the most frequent partner first",
         {"1:SI", "1:NO", "1:SK", "1:CZ"},
         {{"SI", "SK"}, {"SK", "CZ"}, {"SI", "HR"}},
         {"1:SI SK CZ HR NO"}},
        {"a partner not due is asked beside its due item but brings none of its own",
         {"1:SI", "1:NO"},
         {{"SI", "SK"}, {"SK", "CZ"}},
         {"1:SI SK NO"}},
        {"the same item on two maps is asked on each",
         {"1:SI", "3:SI", "1:SK"},
         {{"SI", "SK"}},
         {"1:SI SK", "3:SI SK"}},
        {"areas and places of one map are one game, each item with its partners by how overdue",
         {"2:Ljubljana", "1:SI", "3:JP", "1:SK", "2:Bratislava"},
         {{"SI", "SK"}},
         {"2+1:Ljubljana SI SK Bratislava", "3:JP"},
         true},
        {"a second place exercise of the map, another part's and flags play alone",
         {"1:SI", "2:Ljubljana", "4:Rijeka", "5:SI", "6:Oslo"},
         {},
         {"1+2:SI Ljubljana", "4:Rijeka", "5:SI", "6:Oslo"},
         true},
    };
    for (const auto& c : fall)
        EXPECT_EQ(Plan(Repetitionsplan(Forfallna(c.forfallna), c.forvaxlade,
                                       c.blandat ? TSlagFor(Slag) : nullptr)),
                  c.plan)
            << c.namn;
}
