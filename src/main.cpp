// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Audio.h"
#include "screens/Skarmstart.h"
#include "shell/About.h"
#include "shell/Huvudmeny.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setApplicationName(QStringLiteral("Globina"));
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
