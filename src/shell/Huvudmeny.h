// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "exercises/Ovningsslag.h"
#include "maps/Kartor.h"

#include <QImage>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class COvning;
class COvningar;
class QLabel;
class QComboBox;
class QListWidget;
class QPushButton;
class QTimer;
class TImage;
class TAudio;
class TShape;
class TSpelarval;
struct TRepetitionsspel;

// Creates the screen of an exercise's kind, owned by the main menu, hands it
// to `lagra` and then starts the exercise on it; throws when the exercise
// cannot be started.
using TSkarmLagrare = std::function<void(QWidget*)>;
using TSkarmStartare = std::function<void(const std::shared_ptr<COvning>&, QWidget* owner,
                                          const TSkarmLagrare& lagra)>;

// The main menu, the program's main window: closing it ends the program. It
// owns the exercise catalogue; the sound it is given (none: silence) it feeds
// from the settings and hands to every exercise it starts.
class TfrmHuvudmeny : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHuvudmeny(QWidget* parent = nullptr, TSkarmStartare startare = nullptr,
                           TAudio* audio = nullptr);

    // Reads the settings, the catalogue and the texts and lays the menu out
    // anew; run at the first showing and after a change of language.
    void FormShow();
    void SattVarldsdel(int n);
    void FyllOvningslista(int n);
    // A press on the small world map at (x, y) of imgMap.
    void imgMapMouseDown(int x, int y);
    void StartaOvning();
    // The selected map exercise in study mode, on the map screen.
    void Utforska();
    void SetUtforskare(TSkarmStartare utforskare) { utforskare_ = std::move(utforskare); }
    // One step of the instruction's slide under the lists.
    void tmrInstruktionTimer();
    void VisaTopplista();
    // "My mistakes"; its practice button starts a practice game.
    void VisaMinaMisstag();
    // "Print…": the selected map exercise on paper.
    void SkrivUt();
    // Starts the exercise with the number as a practice game of the items;
    // nothing happens when the catalogue has no such exercise.
    // A game of today's review (repetition) asks the items in their order.
    // Returns whether the exercise was found.
    bool StartaOvningsspel(int nummer, const QStringList& objekt, bool repetition = false);
    // A game of today's review: one exercise's, or one of the areas and the
    // places of a map together; false when the catalogue holds neither.
    bool StartaRepetitionsspel(const TRepetitionsspel& spel);
    // Today's review: the button tells how many items are due (or that none
    // has been played); a press plays the most overdue map's items, or, before
    // the first game, the exercise that starts the chosen part of the world.
    void VisaRepetition();
    void StartaRepetition();

    // The world picture of part n (1..7), 396 x 155.
    // Decoded at its first use: the menu opens on one of the seven.
    const QImage& Varldsbild(int n) const;
    void SetVarldsbild(int n, const QImage& image) {
        varldsbilder_[n - 1] = image;
        avkodad_[n - 1] = true;
    }
    COvningar* Ovningar() const { return ovningar_.get(); }
    QWidget* OppenSkarm(int kind) const;

    int VarldsdelNr = 1;
    int MapOffsetX = 0;
    int MapOffsetY = 0;

    QWidget* panPanel;
    TShape* Shape1;
    TShape* Shape2;
    TShape* Shape3;
    TShape* Shape4;
    TImage* Image1;
    TImage* imgMap;
    QLabel* lblInstruktion;
    QListWidget* lstParts;
    QListWidget* cboOvningar;
    QPushButton* cmdStarta;
    QPushButton* cmdUtforska;
    // How the chosen map exercise is answered (the ways it offers), kept per
    // exercise.
    QComboBox* cboSvarssatt;
    QPushButton* cmdTioitopp;
    QPushButton* cmdHjalp;
    QPushButton* cmdOm;
    QPushButton* cmdMisstag;
    QPushButton* cmdAvsluta;
    QPushButton* cmdSkrivUt;
    QPushButton* cmdRepetera = nullptr;
    QLabel* lblRepetera = nullptr;    // the button's caption, on two lines where it needs them
    TSpelarval* cboSpelare = nullptr; // who is playing, above the logo
    QTimer* tmrInstruktion;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void RitaVarldsbild(int n);
    void Shape2MouseDown();
    // Starts the exercise on the screen of its kind; a practice game when
    // items are given. Reports a failure that ends the program.
    void Starta(const std::shared_ptr<COvning>& ovning, const QString& namn,
                const QStringList& objekt, bool repetition = false);
    // The first exercise of the chosen part of the world; null when it has none.
    std::shared_ptr<COvning> ForstaOvning() const;
    // The catalogue's exercise of that number; none when it holds none.
    std::shared_ptr<COvning> Katalogovning(int nummer) const;
    // The exercise chosen in the list (null when the catalogue lacks it) and
    // its text; false, after a word to the player, when none is chosen.
    bool ValdOvning(std::shared_ptr<COvning>& ovning, QString& text);
    // Reports a failure that ends the program, then closes the menu.
    void Dodsfall(const QString& vad, const std::exception& e);
    // The way of answering of the chosen exercise into cboSvarssatt.
    void VisaSvarssatt();

    TAudio* audio_;
    std::shared_ptr<COvningar> ovningar_;
    mutable std::array<QImage, kAntalVarldsdelar> varldsbilder_;
    mutable std::array<bool, kAntalVarldsdelar> avkodad_{};
    mutable bool bildfelVisat_ = false;
    // The open exercise screen of each kind: map, flag, multiple choice.
    std::array<QPointer<QWidget>, kAntalSkarmslag> skarmar_;
    TSkarmStartare startare_;
    TSkarmStartare utforskare_;
    bool startar_ = false; // an exercise is being started
};
