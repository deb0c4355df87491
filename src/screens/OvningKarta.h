// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovningsformular.h"
#include "maps/Kartvy.h"
#include "screens/Ovningsskarm.h"
#include <memory>

class TImage;
class TPanel;
class QFrame;
class QLabel;
class QToolButton;
class QLineEdit;
class QCheckBox;
class QCompleter;
class QStringListModel;
class TUtforskning;
class TKartlager;
class TfrmGenomgang;
class TFyrval;

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
    // The same map for study: pointing names an area or place, a click shows
    // its name, capital and flag; nothing is asked or scored.
    void StartaUtforska(std::shared_ptr<COvning> ovning);
    bool Utforskar() const { return utforskning_ != nullptr; }
    TUtforskning* Utforskning() const { return utforskning_.get(); }

    void VisaFraga(const QString& text) override;
    TImage* Kartbild() override;
    void VisaNamn(const QString& text, int32_t x, int32_t y, bool show) override;

    // Where the question shows whole: on its own row when the bar is narrow,
    // else the middle of the bar between the buttons.
    QRect Fragerum() const;
    // Places the bars and the map for the screen's present size.
    void LaggUt();

    // Handles a mouse press on the map at picture pixel (x, y).
    void KartKlick(int x, int y);
    // A picture pixel of the map as a pixel of the map control.
    QPoint KartPunkt(int x, int y) const;

    // A closer or farther view by the factor about the picture pixel at, and
    // back to the exercise's own view; each draws the map afresh.
    void Zooma(double faktor, QPointF at);
    void Hem();
    // The view moved by the fraction of the map's width and height (Shift
    // with an arrow).
    void Panorera(double dx, double dy);
    // The map as it is now shown, on paper.
    void SkrivUtVyn();
    // A typed game: answers with the name in txtNamn, as a click on what it
    // names would.
    void SkrivSvar();
    // A four-choice game: box n (1..4) is chosen.
    void Valj(int n);

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
    QToolButton* cmdHem;     // back to the own view, shown while closer
    QToolButton* cmdSkrivUt; // "Print this view", in the map's other corner
    // A typed game's answer, in the map's lower left corner.
    QWidget* panSkriv;
    QLineEdit* txtNamn;
    QCheckBox* chkForslag; // the list of completions, kept in the settings
    QLabel* lblSkrivsvar;  // the name typed when wrong, the answer once shown
    // A four-choice game's choices, in the corner clear of the asked area.
    TFyrval* panFyrval;
    CKartvy Vy;
    // Over the map: the marks on answers and the keyboard's focus ring.
    TKartlager* Kartlager;

    TKlick Punkt; // the last click on the map

protected:
    void Omstart() override { cmdStartaClick(); }
    void VisaGenomgangsrad(const TFragaLogg* fraga) override;
    void PlaceraGenomgang(QWidget& genomgang) override;
    void NyVisning() override;
    void EfterRatt() override;
    void Avsluta(COvning& ovning) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

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
    // The layer over the map for a new game at the own view.
    void NyttKartlager();
    // The map drawn at the view it now has.
    void VisaVy();
    // The wheel, and a drag with the right or middle button, on the map;
    // true when the event was used.
    bool KartHandelse(QEvent* event);
    bool KartanVisas() const; // the game's map is drawn and has a view
    Qt::MouseButton dragKnapp_ = Qt::NoButton;
    QPoint dragFran_;   // where the press was, control pixels
    TLatLon dragGrepp_; // the point of the map that follows the pointer
    bool drar_ = false; // moved far enough to be a drag, not a click
    int hjulRest_ = 0;  // wheel turn short of a notch
    void LaddaKarta();
    void KartRorelse(int x, int y);
    void BlinkaTick();
    void BlinkaVidBehov();
    void NamnTimerTick();
    void cmdStartaClick();
    void cmdAvslutaClick();
    // A name of the review on the map, centred on the picture pixel.
    void GenomgangsNamn(const QString& text, QPoint punkt, const QColor& bakgrund,
                        const QColor& farg);
    void HallUndan(TfrmGenomgang& genomgang);

    // A typed game's question: the view back home, closer where the asked
    // area is too small to be seen, and the item marked. The first question
    // of a game is marked on the map its start drew, where the view stays.
    void VisaSkrivfragan(bool nyttSpel = false);
    // The asked item's outline, or a ring round the asked place (and round
    // an area too small to see); 40 screen pixels the least that marks.
    void RitaMarkering();
    static constexpr int kMinstaMarkering = 40;
    // The asked area's bounds in picture pixels; empty for a place.
    QRectF Fragerektangel() const;
    void UppdateraForslag(const QString& text);
    bool Skrivspel() const;  // a name can be typed
    bool Markerspel() const; // the asked item is marked on the map
    // The four choices of the question, where the game has them, placed
    // clear of the asked area.
    void VisaVal();
    QCompleter* kompletterare_;
    QStringListModel* forslag_;

    void UtforskaKlick(int x, int y);
    void UtforskaRorelse(int x, int y);
    std::unique_ptr<TUtforskning> utforskning_; // while exploring

    QImage slutbild_; // the map as the game left it, while the review shows a line
    std::vector<QLabel*> genomgangsNamn_;
};
