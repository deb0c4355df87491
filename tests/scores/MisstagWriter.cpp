// SPDX-License-Identifier: GPL-3.0-or-later
// Works on the record named on the command line until it is killed:
//   misstag_writer FILE            stores games one after the other, printing
//                                  how many it has stored after each;
//   misstag_writer FILE v1 N       stores N games as the first record did;
//   misstag_writer FILE migrate    migrates the file slowly, printing
//                                  "migrating" once it has begun;
//   misstag_writer FILE answers    answers questions of one long game one at
//                                  a time (Svara), printing how many after each;
//   misstag_writer FOLDER players  adds the players P1, P2, ... to the data
//                                  folder, printing how many after each.
// The record tests kill it at random moments.
#include "scores/Misstagsregister.h"
#include "scores/Spelare.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const char* mode = argc > 2 ? argv[2] : "";
    const auto report = [](const QString& text) { std::fprintf(stderr, "%s\n", qPrintable(text)); };
    if (std::strcmp(mode, "migrate") == 0) {
        bool first = true;
        TMisstagsregister::SetMigreringskrok([&first] {
            if (std::exchange(first, false)) {
                std::printf("migrating\n");
                std::fflush(stdout);
            }
            QThread::usleep(100);
            return false;
        });
        TMisstagsregister record(QString::fromLocal8Bit(argv[1]), report);
        return record.AntalForfallna(QDate::currentDate()) > 0 ? 0 : 1;
    }
    if (std::strcmp(mode, "players") == 0) {
        for (int n = 1;; ++n) {
            SpelareMedNamn(QString::fromLocal8Bit(argv[1]), QStringLiteral("P%1").arg(n));
            std::printf("%d\n", n);
            std::fflush(stdout);
        }
    }
    if (std::strcmp(mode, "answers") == 0) {
        TMisstagsregister record(QString::fromLocal8Bit(argv[1]), report);
        TSpelLogg game{1, QStringLiteral("AREA"), QStringLiteral("EUR"), false, {}};
        for (int n = 1;; ++n) {
            const QString item = QStringLiteral("I%1").arg(n);
            if (!record.Svara(game, {item, item, 1 + n % 3, {}, {}}))
                return 1;
            std::printf("%d\n", n);
            std::fflush(stdout);
        }
    }
    const bool v1 = std::strcmp(mode, "v1") == 0;
    TMisstagsregister record(QString::fromLocal8Bit(argv[1]), report,
                             v1 ? TMisstagsregister::kForstaSchema : TMisstagsregister::kSchema);
    TSpelLogg game;
    game.Ovning = 1;
    game.Typ = QStringLiteral("AREA");
    game.Varldsdel = QStringLiteral("EUR");
    for (int i = 1; i <= 40; ++i) {
        const QString item = QStringLiteral("I%1").arg(i);
        game.Fragor.push_back({item, item, 2, {QStringLiteral("X")}, {QStringLiteral("X")}});
    }
    const int games = v1 && argc > 3 ? std::atoi(argv[3]) : -1;
    for (int stored = 1; games < 0 || stored <= games; ++stored) {
        if (!record.Spara(game))
            return 1;
        if (!v1) {
            std::printf("%d\n", stored);
            std::fflush(stdout);
        }
    }
    return 0;
}
