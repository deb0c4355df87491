#include "shell/Huvudmeny.h"

TfrmHuvudmeny* frmHuvudmeny = nullptr;

TfrmHuvudmeny::TfrmHuvudmeny(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Globina"));
    setFixedSize(598, 558);
    setAttribute(Qt::WA_DeleteOnClose, false);
}
