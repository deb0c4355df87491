#include "shell/Huvudmeny.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setApplicationName(QStringLiteral("Globina"));
    QApplication::setApplicationDisplayName(QStringLiteral("Globina"));

    TfrmHuvudmeny menu;
    frmHuvudmeny = &menu;

    QApplication::restoreOverrideCursor();
    menu.show();
    const int rc = QApplication::exec();
    frmHuvudmeny = nullptr;
    return rc;
}
