#include "shell/Huvudmeny.h"

#include "data/Sound.h"
#include "platform/MediaPlayer.h"

TfrmHuvudmeny* frmHuvudmeny = nullptr;

TfrmHuvudmeny::TfrmHuvudmeny(QWidget* parent)
    : QWidget(parent), mplMIDI_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Music)),
      mplWAV1_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 0)),
      mplWAV2_(std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 1)) {
    setWindowTitle(QStringLiteral("Globina"));
    setFixedSize(598, 558);
    mplMIDI = mplMIDI_.get();
    mplWAV1 = mplWAV1_.get();
    mplWAV2 = mplWAV2_.get();
}

TfrmHuvudmeny::~TfrmHuvudmeny() {
    mplMIDI = mplWAV1 = mplWAV2 = nullptr;
}
