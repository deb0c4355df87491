// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class COvning;
class COvningar;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;
class TImage;
class TMediaPlayer;
class TShape;

// Creates the screen of an exercise's kind, owned by the main menu, hands it
// to `lagra` and then starts the exercise on it; throws when the exercise
// cannot be started.
using TSkarmLagrare = std::function<void(QWidget*)>;
using TSkarmStartare = std::function<void(const std::shared_ptr<COvning>&, QWidget* owner,
                                          const TSkarmLagrare& lagra)>;

// The main menu, the program's main window: closing it ends the program. It
// owns the exercise catalogue and carries the media players through which all
// sound is played.
class TfrmHuvudmeny : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHuvudmeny(QWidget* parent = nullptr, TSkarmStartare startare = nullptr);
    ~TfrmHuvudmeny() override;

    // Reads the settings, the catalogue and the texts and lays the menu out
    // anew; run at the first showing and after a change of language.
    void FormShow();
    void SattVarldsdel(int n);
    void FyllOvningslista(int n);
    // A press on the small world map at (x, y) of imgMap.
    void imgMapMouseDown(int x, int y);
    void StartaOvning();
    // One step of the instruction's slide under the lists.
    void tmrInstruktionTimer();
    void VisaTopplista();

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
    QPushButton* cmdTioitopp;
    QPushButton* cmdHjalp;
    QPushButton* cmdOm;
    QPushButton* cmdAvsluta;
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
    // Reports a failure that ends the program, then closes the menu.
    void Dodsfall(const QString& vad, const std::exception& e);

    std::unique_ptr<TMediaPlayer> mplMIDI_;
    std::unique_ptr<TMediaPlayer> mplWAV1_;
    std::unique_ptr<TMediaPlayer> mplWAV2_;
    std::shared_ptr<COvningar> ovningar_;
    mutable std::array<QImage, 7> varldsbilder_;
    mutable std::array<bool, 7> avkodad_{};
    mutable bool bildfelVisat_ = false;
    // The open exercise screen of each kind: map, flag, multiple choice.
    std::array<QPointer<QWidget>, 3> skarmar_;
    TSkarmStartare startare_;
    bool startar_ = false; // an exercise is being started
};

extern TfrmHuvudmeny* frmHuvudmeny;
