#pragma once

#include <QWidget>

// The main menu, the program's main window: closing it ends the program.
class TfrmHuvudmeny : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHuvudmeny(QWidget* parent = nullptr);
};

extern TfrmHuvudmeny* frmHuvudmeny;
