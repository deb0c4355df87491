// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovningsformular.h"
#include "screens/Ovningsskarm.h"

#include <QImage>
#include <array>

class CArea;
class COvningFlagga;
class TPanel;
class TFlaggfokus;

// The screen of the flag exercise: a sheet of up to 16 flags, four to a row,
// under a bar with the question. Cells are numbered from 1 row by row; cell n
// shows the flag of the exercise's item n.
class TfrmOvningFlagga : public TOvningsskarm<TOvningsformular> {
    Q_OBJECT
public:
    explicit TfrmOvningFlagga(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);

    // Loads the map data the exercise takes its flags from, shows the screen
    // and starts the game. Data-file errors are passed on. The exercise must
    // be a flag exercise.
    void StartaOvning(std::shared_ptr<COvning> ovning);

    // Shows the question; one that would run into the percentage asks for
    // the item by a shorter text (FragaFor).
    void VisaFraga(const QString& text) override;
    // The question for the area that fits before the percentage: the full
    // question, else the lead-in with the state's short name, else the name
    // alone, else the short name alone.
    QString FragaFor(const CArea& area) const;

    // Handles a mouse press on the sheet at picture pixel (x, y).
    void FlaggKlick(int x, int y);
    // The answer of flag n (1-based), as a click or Enter on its cell gives it.
    void FlaggSvar(int n);

    // A new sheet picture of the control's size times kvot, the screen's
    // pixels per control pixel, with the empty grid on it. The sheet is laid
    // out in control pixels; each of them covers kvot picture pixels.
    void NyttArk(qreal kvot);
    void RitaRutnat();
    void LaddaFlaggor();
    void FyllRuta(int n, const QColor& color);
    void RitaFlagga(int n, const QColor& color, bool medNamn);
    void RitaAllaFlaggor();

    TPanel* pnlFraga;
    QLabel* lblFraga;
    QPushButton* cmdStarta;
    QPushButton* cmdHjalp;
    TPanel* pnlFlags;
    TImage* imgFlags;
    TFlaggfokus* Flaggfokus; // the keyboard's ring over the sheet
    QTimer* tmrRitaOm;
    QTimer* tmrBlinka;

    float Rutbredd = 0;
    float Ruthojd = 0;
    std::array<QImage, kMaxObjekt + 1> Flaggbilder; // items 1..Antal; null: none
    // The double-size pictures, loaded only for a sheet above ratio 1; null:
    // the picture above stands in, scaled.
    std::array<QImage, kMaxObjekt + 1> Flaggbilder2x;
    int32_t Omritas = 0;      // cell whose name tmrRitaOm wipes; 0: none
    int32_t Blinkraknare = 0; // 0: no blinking, else the blink step

protected:
    void Omstart() override { cmdStartaClick(); }
    void FoRatt(const TKlick& klick) override;
    void FoFel(const TKlick& klick) override;
    void Avsluta(COvning& ovning) override;
    void NyVisning() override;

private:
    // A length or coordinate of the layout in picture pixels.
    int Px(int n) const;
    // Rectangle() in picture pixels with a frame as thick as one layout pixel,
    // the inner rectangles outlined only.
    void Ram(int x1, int y1, int x2, int y2);
    bool Ryms(const QString& fraga) const;
    void RitaOmTick();
    void BlinkaTick();
    void cmdStartaClick();
    void NyttFlaggfokus();

    COvningFlagga* flagga_ = nullptr; // the exercise, as what it is
};
