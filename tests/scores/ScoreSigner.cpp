// SPDX-License-Identifier: GPL-3.0-or-later
// A second window of the program over the same highscore file, for the
// top-ten test:
//   score_signer sign FILE EXERCISE SCORE NAME  opens the top-ten screen with
//       the result, prints "open", signs when a line comes on standard input,
//       prints the place taken;
//   score_signer lock FILE  takes the file's lock, prints "locked" and waits
//       to be killed.
#include "platform/MessageBox.h"
#include "scores/Tioitopp.h"

#include <QApplication>
#include <QLineEdit>
#include <QLockFile>
#include <QPushButton>
#include <QThread>
#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == "lock") {
        QLockFile lock(args[2] + ".lock");
        if (!lock.lock())
            return 1;
        std::printf("locked\n");
        std::fflush(stdout);
        for (;;)
            QThread::sleep(1);
    }
    if (args.size() != 6 || args[1] != "sign")
        return 2;
    SetMessageBoxHook(
        [](TBoxKind, const QString& text) { std::printf("box: %s\n", qPrintable(text)); });
    TfrmTioitopp form;
    form.ExerciseNo = args[3].toInt();
    form.EnterResult(args[2], args[4].toInt());
    std::printf("open\n");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    form.txtNySignatur->setText(args[5]);
    form.cmdOK->click();
    std::printf("%d\n", form.NewRank);
    return 0;
}
