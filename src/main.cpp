// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Audio.h"
#include "platform/Projector.h"
#include "screens/Skarmstart.h"
#include "shell/About.h"
#include "shell/Huvudmeny.h"
#include "shell/Kommandorad.h"

#include <QApplication>
#include <QIcon>
#include <cstring>

int main(int argc, char* argv[]) {
    // The tasks of the command line need no display: they open no window.
    bool uppgift = false;
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "--print") || !std::strcmp(argv[i], "--export-record")) {
            uppgift = true;
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    // Qt takes its scale factor as the application is made.
    Projector::Prepare(!uppgift);
    QApplication app(argc, argv);
    Projector::Install();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setApplicationName(QStringLiteral("Globina"));
    // Named first: the record of mistakes lives in the folder of that name.
    {
        QTextStream ut(stdout), fel(stderr);
        if (const std::optional<int> kod = KorKommandorad(QApplication::arguments(), ut, fel))
            return *kod;
    }
    // No display name: Qt would add it to every window title ("Best results —
    // Globina"), and the titles are the bare texts.
    // Ties the windows to the installed launcher and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(GLOBINA_APP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(GLOBINA_APP_ID)));

    // The one owner of the players, for the whole run.
    TAudio audio;
    auto* frmHuvudmeny = new TfrmHuvudmeny(nullptr, StartaOvningsskarm, &audio);
    frmHuvudmeny->setAttribute(Qt::WA_DeleteOnClose);
    frmHuvudmeny->SetUtforskare(StartaUtforskning);
    // Closing the main menu ends the program, whatever else is open.
    QObject::connect(frmHuvudmeny, &QObject::destroyed, &app, &QApplication::quit);

    frmAbout = new TfrmAbout(frmHuvudmeny, &audio); // hidden until the menu shows it
    frmAbout->SetLanguageChanged([frmHuvudmeny] { frmHuvudmeny->FormShow(); });
    QObject::connect(frmAbout, &QObject::destroyed, [] { frmAbout = nullptr; });

    QApplication::restoreOverrideCursor();
    frmHuvudmeny->show();
    return QApplication::exec();
}
