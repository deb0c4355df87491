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

// "exercise:item item ..." per game.
QStringList Plan(const std::vector<TRepetitionsspel>& spel) {
    QStringList ut;
    for (const TRepetitionsspel& s : spel)
        ut << QString("%1:%2").arg(s.Ovning).arg(s.Objekt.join(' '));
    return ut;
}

} // namespace

TEST(Repetitionsplan, GamesGoByExerciseMostOverdueFirstWithConfusionsBackToBack) {
    using Par = std::vector<std::pair<QString, QString>>;
    const struct {
        const char* namn;
        QStringList forfallna;
        Par forvaxlade;
        QStringList plan;
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
    };
    for (const auto& c : fall)
        EXPECT_EQ(Plan(Repetitionsplan(Forfallna(c.forfallna), c.forvaxlade)), c.plan) << c.namn;
}
