// SPDX-License-Identifier: GPL-3.0-or-later
// Stores games into the record named on the command line, one after the
// other, until it is killed; after each game is stored it prints how many it
// has stored. The record test kills it at random moments.
#include "scores/Misstagsregister.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    TMisstagsregister record(QString::fromLocal8Bit(argv[1]), [](const QString& text) {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    TSpelLogg game;
    game.Ovning = 1;
    game.Typ = QStringLiteral("AREA");
    game.Varldsdel = QStringLiteral("EUR");
    for (int i = 1; i <= 40; ++i) {
        const QString item = QStringLiteral("I%1").arg(i);
        game.Fragor.push_back({item, item, 2, {QStringLiteral("X")}, {QStringLiteral("X")}});
    }
    for (int stored = 1;; ++stored) {
        if (!record.Spara(game))
            return 1;
        std::printf("%d\n", stored);
        std::fflush(stdout);
    }
}
