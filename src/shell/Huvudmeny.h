#pragma once

#include <QWidget>
#include <memory>

class TMediaPlayer;

// The main menu, the program's main window: closing it ends the program. It
// carries the media players through which all sound is played.
class TfrmHuvudmeny : public QWidget {
    Q_OBJECT
public:
    explicit TfrmHuvudmeny(QWidget* parent = nullptr);
    ~TfrmHuvudmeny() override;

private:
    std::unique_ptr<TMediaPlayer> mplMIDI_;
    std::unique_ptr<TMediaPlayer> mplWAV1_;
    std::unique_ptr<TMediaPlayer> mplWAV2_;
};

extern TfrmHuvudmeny* frmHuvudmeny;
