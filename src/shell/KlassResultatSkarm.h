// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

class CKlassresultat;
class QBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// "Class results": for the part of the world and kind of exercise chosen in
// "My mistakes", the items the class misses most with the share right at the
// first try and the confusions it makes most; for every pupil the first-try
// share per part of the world. The files that could not be read are named
// above. Its practice button closes it with the most-missed items (Accepted).
class TfrmKlassresultat : public QDialog {
    Q_OBJECT
public:
    TfrmKlassresultat(QWidget* parent, const CKlassresultat& klass, const QString& varldsdel,
                      const QString& typ, const QStringList& fel);

    QStringList OvningsObjekt() const { return objekt_; }

    QLabel* lblFel;
    QTableWidget* grdMissade;
    QListWidget* lstForvaxlingar;
    QTableWidget* grdElever;
    QPushButton* cmdOva;
    QPushButton* cmdTillbaka;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QStringList objekt_;
    // The most missed and the confusions: side by side, or one above the
    // other in a narrow window (projector mode on a small screen), where
    // side by side the names would be cut.
    QBoxLayout* topp_ = nullptr;
};
