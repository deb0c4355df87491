// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovningsformular.h"
#include "screens/Ovningsskarm.h"

#include <array>

class TPanel;
class TShape;

// The multiple-choice screen: a question on a dark card and four numbered
// answer boxes, chosen with the mouse or the digit keys 1 to 4.
class TfrmOvningMulti : public TOvningsskarm<TMultiformular> {
    Q_OBJECT
public:
    explicit TfrmOvningMulti(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    // Loads the map data the exercise takes its questions from, starts the
    // game and shows the screen. Data-file errors are passed on.
    void StartaOvning(std::shared_ptr<COvning> ovning);

    void VisaFraga(const QString& text) override;
    TImage* Svarsbild(int n) override;
    void RitaSvar(TImage* box, const QColor& color, const QString& text) override;

    // Box n (1..4) is chosen. Dropped while a right answer is being shown
    // and after the end of the game.
    void Svara(int n);

    TImage* imgBlomma;
    TImage* imgBar;
    TPanel* Panel1;
    TShape* Shape1;
    QLabel* lblCount;
    QLabel* Label1;
    std::array<TImage*, 4> imgSvar; // imgSvar1..imgSvar4
    std::array<QLabel*, 4> lblNr;   // lbl1..lbl4
    QTimer* tmrTimer;

    TKlick Valt;

protected:
    void Omstart() override;
    void FoRatt(const TKlick& klick) override;
    void EfterRatt() override;
    void Avsluta(COvning& ovning) override;
    void NyVisning() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
