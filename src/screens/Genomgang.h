// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scores/GameLog.h"

#include <QDialog>
#include <functional>

class QFrame;
class QLabel;
class QPushButton;
class QTableWidget;

// The review of one game: every question in the order asked, its tries and
// what was given instead at each wrong try. Choosing a line hands its
// question to VisaRad (the map screen shows it on the map); closing hands
// null. The practise button closes the review with OvaValt set, so that the
// caller replays the missed items. The review keeps its own copy of the log.
class TfrmGenomgang : public QDialog {
    Q_OBJECT
public:
    TfrmGenomgang(QWidget* parent, const TSpelLogg& logg, const QString& ovningsnamn);

    // The items of the log that took more than one try, in the order asked.
    static QStringList Missade(const TSpelLogg& logg);

    std::function<void(const TFragaLogg* fraga)> VisaRad;
    const TSpelLogg Logg;
    bool OvaValt = false;

    QLabel* lblOvningsNamn;
    QFrame* Shape2;
    QTableWidget* grdLista;
    QPushButton* cmdOva;
    QPushButton* cmdOK;

    static constexpr int kBredd = 521;
    static constexpr int kHojd = 560;
    static constexpr int kHopfalldaRader = 5;

    // Folded, the review is its list of a few lines and its buttons, so that
    // it fits beside what a line shows on a small screen; unfolded, as it opens.
    void Falla(bool ihop);
    bool Hopfalld() const { return hopfalld_; }

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void FyllLista();
    QStringList missade_;
    bool ovningsspel_ = false;
    bool hopfalld_ = false;
    QWidget* band1_;
    QWidget* band2_;
};
