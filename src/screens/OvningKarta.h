// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovningsformular.h"
#include "screens/Ovningsskarm.h"

class TImage;
class TPanel;

// The screen of the area and place exercises: the question bar on top and
// the continent map below it, filling the desktop. Clicks on the map become
// points in degrees for the exercise.
class TfrmOvningKarta : public TOvningsskarm<TKartformular> {
    Q_OBJECT
public:
    explicit TfrmOvningKarta(QWidget* parent = nullptr, Qt::WindowFlags flags = Qt::Window);
    ~TfrmOvningKarta() override;

    // Loads the map of the exercise, shows the screen and starts the game.
    // Data-file errors are passed on; the screen is hidden again then.
    void StartaOvning(std::shared_ptr<COvning> ovning);

    void VisaFraga(const QString& text) override;
    TImage* Kartbild() override;
    void VisaNamn(const QString& text, int32_t x, int32_t y, bool show) override;

    // Handles a mouse press on the map at picture pixel (x, y).
    void KartKlick(int x, int y);
    // A picture pixel of the map as a pixel of the map control.
    QPoint KartPunkt(int x, int y) const;

    TPanel* panTop;
    QLabel* lblFraga;
    QPushButton* cmdStarta;
    QPushButton* cmdHjalp;
    TPanel* panPanel;
    TImage* imgKarta;
    QLabel* lblNamn;
    QLabel* lblText;
    QTimer* tmrBlinka;
    QTimer* tmrNamnTimer;

    TKlick Punkt; // the last click on the map

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Asks for the maximised state again (the window manager does it).
    void Maximera();
    // Fills the desktop by geometry, where no window manager maximised it.
    void FyllSkrivbordet();
    // Run after any change of size or state: back to maximised.
    void HallMaximerad();
    static QRect Skrivbord(); // the primary screen's available area
    // The desktop check waiting to run, and whether the geometry was set by
    // hand since the screen was shown: a platform that keeps the window
    // smaller than the desktop is tried once, not every half second while
    // the game sits idle.
    bool skrivbordVantar_ = false;
    bool handFyllt_ = false;
    void LaggUt();
    void LaddaKarta();
    void KartRorelse(int x, int y);
    void BlinkaTick();
    void BlinkaVidBehov();
    void NamnTimerTick();
    void cmdStartaClick();
    void cmdAvslutaClick();
};
