// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Helpers.h"
#include "data/Language.h"
#include "exercises/Ovning.h"
#include "maps/Karta.h"
#include "maps/Kartor.h"
#include "platform/Look.h"
#include "platform/WidgetHelpers.h"
#include "scores/Misstagsregister.h"
#include "scores/ScoreFile.h"
#include "screens/Genomgang.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <functional>
#include <memory>

// Helpers shared by the exercise screens.
namespace Skarm {

// The clock stands still here; the score needs seconds to stay in range.
constexpr int32_t kMaxSekunder = 100000;

// A label of fixed size: font, text colour, alignment; transparent unless it
// is given a background.
QLabel* MakeLabel(QWidget* parent, const QRect& geometry, const QFont& font, const QColor& color,
                  Qt::Alignment alignment);
// Sizes the label to its text on one line, as wide as the text and as high
// as its font.
void AnpassaStorlek(QLabel* label);
// Gives the label a solid background, or none (the parent shows through).
void SetOpaque(QLabel* label, bool opaque, const QColor& background = QColor());
QPushButton* MakeButton(QWidget* parent, const QString& caption, int tag, const QRect& geometry);
// A timer of the interval in milliseconds, not started.
QTimer* MakeTimer(QObject* parent, int interval);
// The percentage as the screens show it: "57 %".
QString ProcentText(int32_t percent);
// Lets pending window events run.
void Handelser();
// Puts the window's client area in the middle of the primary screen.
void Centrera(QWidget* window);
// Runs an event handler; a failure is shown in a message box and the program
// goes on, since an exception must not cross the event loop.
void Skyddat(QWidget* parent, const std::function<void()>& handler);

// The hourglass cursor for the life of the object, also when it ends by an
// exception.
class TTimglas {
public:
    TTimglas();
    ~TTimglas();
    TTimglas(const TTimglas&) = delete;
    TTimglas& operator=(const TTimglas&) = delete;
};

} // namespace Skarm

// What every exercise screen does alike: the exercise it plays and the map it
// owns, the clock, the percentage, the top-ten and quit buttons, help on F1,
// the end of a game and closing. Bas is the screen as the exercises see it
// (TOvningsformular or one of its extensions).
template <class Bas> class TOvningsskarm : public Bas {
public:
    TOvningsskarm(QWidget* parent, Qt::WindowFlags flags) : Bas(parent, flags | Qt::Window) {
        tmrTid = Skarm::MakeTimer(this, 1000);
        QObject::connect(tmrTid, &QTimer::timeout, this, [this] { TidTick(); });
    }

    ~TOvningsskarm() override {
        // The exercise lives on in the catalogue; it must not keep pointers
        // into a screen and a map that are going away.
        if (ovning_) {
            if (ovning_->Karta == karta_.get())
                ovning_->Karta = nullptr;
            if (ovning_->Formular == this) {
                ovning_->Formular = nullptr;
                // A practice played here ends with the screen; the next start
                // of the exercise plays all of it unless given items again.
                ovning_->Ovningsobjekt.clear();
            }
        }
    }

    void VisaProcent(int32_t percent) override { lblProcent->setText(Skarm::ProcentText(percent)); }

    COvning* Ovning() const { return ovning_.get(); }
    CKarta* Karta() const { return karta_.get(); }

    // Replays the exercise asking only the items (keys as the game log names
    // them): a practice game, never offered to the top ten. An empty list
    // plays the whole exercise again, as a game like any other.
    void OvaPa(const QStringList& objekt) {
        if (!ovning_)
            return;
        ovning_->Ovningsobjekt = objekt;
        Omstart();
        SattTitel();
    }

    // The review of the game just played, beside the screen: the map stays
    // in view and in use. Choosing practice there starts it once the review
    // has closed.
    void VisaGenomgang() {
        if (!ovning_)
            return;
        if (genomgang_) {
            genomgang_->raise();
            genomgang_->activateWindow();
            return;
        }
        auto* genomgang = new TfrmGenomgang(this, ovning_->Logg, ovning_->NamnNu());
        genomgang->setAttribute(Qt::WA_DeleteOnClose);
        genomgang_ = genomgang;
        genomgang->VisaRad = [this](const TFragaLogg* fraga) { VisaGenomgangsrad(fraga); };
        QObject::connect(genomgang, &QDialog::finished, this, [this, genomgang] {
            if (genomgang->OvaValt) {
                const QStringList missade = TfrmGenomgang::Missade(genomgang->Logg);
                QTimer::singleShot(0, this, [this, missade] { OvaPa(missade); });
            }
        });
        PlaceraGenomgang(*genomgang);
        genomgang->show();
    }
    // A new game closes the review of the last one first.
    void StangGenomgang() {
        if (genomgang_)
            genomgang_->close();
        if (cmdGenomgang)
            cmdGenomgang->setEnabled(false);
    }
    TfrmGenomgang* Genomgang() const { return genomgang_; }

    QTimer* tmrTid;
    QLabel* lblProcent = nullptr;
    QLabel* lblTid = nullptr;
    QPushButton* cmdTopp = nullptr;
    QPushButton* cmdAvsluta = nullptr;
    QPushButton* cmdGenomgang = nullptr; // opens the review once a game is over
    int32_t Sekunder = 0;                // seconds since the game began

protected:
    // While one of these lives, the screen is handling an answer or drawing:
    // other answers are dropped, and a close or a deferred destruction waits
    // until it is done, so the screen is not released under its own feet by
    // events that run in the middle of its work.
    class Upptagen {
    public:
        explicit Upptagen(TOvningsskarm* s) : s_(s) { ++s_->upptagen_; }
        ~Upptagen() {
            if (--s_->upptagen_ != 0)
                return;
            if (s_->stangSenare_) {
                s_->stangSenare_ = false;
                QTimer::singleShot(0, s_, [s = s_] { s->close(); });
            }
            if (s_->raderaSenare_) {
                // Qt drops a second deleteLater() of the same object, so the
                // held-back release is done from the event loop by hand.
                s_->raderaSenare_ = false;
                QMetaObject::invokeMethod(
                    qApp, [p = QPointer<QObject>(s_)] { delete p.data(); }, Qt::QueuedConnection);
            }
        }
        Upptagen(const Upptagen&) = delete;
        Upptagen& operator=(const Upptagen&) = delete;

    private:
        TOvningsskarm* s_;
    };
    bool ArUpptagen() const { return upptagen_ > 0; }

    void TidTick() {
        if (Sekunder < Skarm::kMaxSekunder)
            ++Sekunder;
        lblTid->setText(TimeText(Sekunder));
    }

    void StartaKlocka() {
        lblTid->clear();
        Sekunder = 0;
        tmrTid->start();
    }

    // A new map for the exercise with empty collections and the places of
    // its place file loaded. The exercise does not get it yet.
    void NyKarta(bool vatten) {
        karta_ = std::make_unique<CKarta>();
        karta_->Landareor = std::make_unique<CAreor>();
        if (vatten)
            karta_->Vattenareor = std::make_unique<CAreor>();
        karta_->Platser = std::make_unique<COrter>();
        karta_->Platser->LasOrter(OrtFil(ovning_->Platsfil()));
    }

    // Starts the exercise on a new map (NyKarta's) with the land areas of its
    // atlas map, or with none where only a map that holds flags lends them
    // and this one does not, and shows the screen in the middle of the
    // desktop, ready for keys. Data-file errors are passed on.
    void StartaPaNyKarta(bool baraFlaggkartor) {
        NyKarta(false);
        const int nr = ovning_->Kartnummer;
        if (ArKarta(nr) && (!baraFlaggkartor || Kartinfo(nr).Flaggor))
            karta_->Landareor->LasAreor(AreaFil(nr));
        ovning_->Karta = karta_.get();
        ovning_->Starta(this);
        Skarm::Centrera(this);
        this->show();
        SattTitel();
        this->activateWindow(); // keys go to the new screen, also without a window manager
    }

    // The last question is answered: the clock stops, the game enters the
    // record of mistakes and the result goes to the top-ten list (modal;
    // returns when it closes), except from a practice game; then the review
    // of the game is offered.
    void SpeletSlut() {
        tmrTid->stop();
        SparaMisstag(ovning_->Logg);
        if (!ovning_->Ovningsspel())
            ovning_->VisaTopplista(MakeScore(ovning_->Procent, Sekunder), this);
        if (cmdGenomgang)
            cmdGenomgang->setEnabled(true);
        VisaGenomgang();
    }

    // Starts the same exercise again, as the screen's restart does.
    virtual void Omstart() = 0;
    // Shows one question of the review where the screen can (null: the end
    // of the game again).
    virtual void VisaGenomgangsrad(const TFragaLogg*) {}
    // Where the review opens: in the middle of the screen.
    virtual void PlaceraGenomgang(QWidget& genomgang) {
        genomgang.move(this->geometry().center() - genomgang.rect().center());
    }

    // "Globina", or the title of the screen's text, with the word for
    // practice after it in a practice game.
    void SattTitel() {
        const int tag = Tag(this);
        QString titel = tag != kNoText ? LangText(tag) : QStringLiteral("Globina");
        if (ovning_ && ovning_->Ovningsspel())
            titel += QStringLiteral(" \u2013 ") +
                     LangText(ovning_->Repetition ? TextNo::TodaysReview : TextNo::Practice);
        this->setWindowTitle(titel);
    }

    // The review button: no game to review until one is over.
    QPushButton* NyGenomgangsknapp(QWidget* parent, const QRect& geometry) {
        cmdGenomgang = Skarm::MakeButton(parent, QStringLiteral("Review"), 50, geometry);
        cmdGenomgang->setEnabled(false);
        QObject::connect(cmdGenomgang, &QPushButton::clicked, this,
                         [this] { Skarm::Skyddat(this, [this] { VisaGenomgang(); }); });
        return cmdGenomgang;
    }

    void VisaTioITopp() {
        if (ovning_)
            ovning_->VisaTopplista(-1, this);
    }

    // A new showing, not one back from the task bar: the screen puts on its
    // words and colours.
    virtual void NyVisning() {}

    void showEvent(QShowEvent* event) override {
        Bas::showEvent(event);
        if (!event->spontaneous())
            NyVisning();
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_F1) {
            OpenHelp();
            return;
        }
        Bas::keyPressEvent(event);
    }

    bool event(QEvent* event) override {
        if (event->type() == QEvent::DeferredDelete && upptagen_ > 0) {
            raderaSenare_ = true;
            return true;
        }
        return Bas::event(event);
    }

    void closeEvent(QCloseEvent* event) override {
        if (upptagen_ > 0) {
            event->ignore();
            stangSenare_ = true;
            return;
        }
        Bas::closeEvent(event);
    }

    std::shared_ptr<COvning> ovning_;
    std::unique_ptr<CKarta> karta_;

private:
    QPointer<TfrmGenomgang> genomgang_;
    int upptagen_ = 0;
    bool stangSenare_ = false;
    bool raderaSenare_ = false;
};
