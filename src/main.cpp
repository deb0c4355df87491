#include "shell/Huvudmeny.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setApplicationName(QStringLiteral("Globina"));
    QApplication::setApplicationDisplayName(QStringLiteral("Globina"));

    auto* menu = new TfrmHuvudmeny;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    frmHuvudmeny = menu;

    QApplication::restoreOverrideCursor();
    menu->show();
    return QApplication::exec();
}
