// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/Helpers.h"
#include "exercises/Ovning.h"
#include "maps/Karta.h"
#include "platform/Look.h"
#include "scores/ScoreFile.h"

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

// The maps an exercise can name: the world and five continents (1-6), then
// the close-ups of the United States, Canada, Norden, Brazil and Australia.
constexpr int kAntalKartor = 11;

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
        tmrTid = new QTimer(this);
        tmrTid->setInterval(1000);
        QObject::connect(tmrTid, &QTimer::timeout, this, [this] { TidTick(); });
    }

    ~TOvningsskarm() override {
        // The exercise lives on in the catalogue; it must not keep pointers
        // into a screen and a map that are going away.
        if (ovning_) {
            if (ovning_->Karta == karta_.get())
                ovning_->Karta = nullptr;
            if (ovning_->Formular == this)
                ovning_->Formular = nullptr;
        }
    }

    void VisaProcent(int32_t percent) override { lblProcent->setText(Skarm::ProcentText(percent)); }

    COvning* Ovning() const { return ovning_.get(); }
    CKarta* Karta() const { return karta_.get(); }

    QTimer* tmrTid;
    QLabel* lblProcent = nullptr;
    QLabel* lblTid = nullptr;
    QPushButton* cmdTopp = nullptr;
    QPushButton* cmdAvsluta = nullptr;
    int32_t Sekunder = 0; // seconds since the game began

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
        karta_->Platser->LasOrter(QStringLiteral("Ort") + QString::number(ovning_->Ortfil) +
                                  QStringLiteral(".crp"));
    }

    static QString AreaFil(int nummer) {
        return QStringLiteral("AREA") + QString::number(nummer) + QStringLiteral(".crp");
    }

    // The last question is answered: the clock stops and the result goes to
    // the top-ten list (modal; returns when it closes).
    void SpeletSlut() {
        tmrTid->stop();
        ovning_->VisaTopplista(MakeScore(ovning_->Procent, Sekunder), this);
    }

    void VisaTioITopp() {
        if (ovning_)
            ovning_->VisaTopplista(-1, this);
    }

    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_F1) {
            OpenHelp(this);
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
    int upptagen_ = 0;
    bool stangSenare_ = false;
    bool raderaSenare_ = false;
};
