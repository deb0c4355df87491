// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Sound.h"
#include "data/Globals.h"
#include "data/Helpers.h"
#include "platform/MediaPlayer.h"
#include "support/TestFiles.h"

#include <QDataStream>
#include <QDir>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A short 16-bit mono PCM wave.
QByteArray Wave() {
    QByteArray data;
    QDataStream s(&data, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 samples = 2205;
    s.writeRawData("RIFF", 4);
    s << quint32(36 + samples * 2);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2)
      << quint16(16);
    s.writeRawData("data", 4);
    s << quint32(samples * 2);
    for (quint32 i = 0; i < samples; ++i)
        s << qint16((i % 50) * 400 - 10000);
    return data;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        wav1 = std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 0);
        wav2 = std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Wave, 1);
        midi = std::make_unique<TMediaPlayer>(TMediaPlayer::Kind::Music);
        mplWAV1 = wav1.get();
        mplWAV2 = wav2.get();
        mplMIDI = midi.get();
        SoundsOn = MusicOn = true;
        // PlaySound takes names relative to the program folder.
        beep = QDir(ProgramFolder()).relativeFilePath(dir.Write("beep.WAV", Wave()));
        other = QDir(ProgramFolder()).relativeFilePath(dir.Write("other.WAV", Wave()));
    }
    void TearDown() override {
        mplWAV1 = mplWAV2 = mplMIDI = nullptr;
        SoundsOn = MusicOn = false;
    }
    QString Full(const QString& name) const { return ProgramFolder() + "/" + name; }

    TestDir dir;
    std::unique_ptr<TMediaPlayer> wav1, wav2, midi;
    QString beep, other;
};

} // namespace

TEST_F(SoundTest, EffectsAreGatedAndChannelOneIsTheFirstPlayerAnyOtherTheSecond) {
    SoundsOn = false;
    PlaySound(beep, 1);
    EXPECT_EQ(std::tuple(wav1->FileName(), wav1->OpenCount()), std::tuple("", 0));
    SoundsOn = true;
    PlaySound(beep, 1);
    EXPECT_EQ(wav1->FileName(), Full(beep));
    EXPECT_TRUE(wav1->IsPlaying()); // SDL's dummy driver plays without a device
    for (int channel : {2, 0, 7}) {
        PlaySound(other, channel);
        EXPECT_EQ(wav2->FileName(), Full(other));
    }
    EXPECT_EQ(wav2->OpenCount(), 1); // the same file opens once and plays again
    PlaySound(beep, 1);
    EXPECT_EQ(wav1->OpenCount(), 1);
    PlaySound(other, 1);
    EXPECT_EQ(wav1->OpenCount(), 2);
}

TEST_F(SoundTest, FailuresAreSilentAndMusicIsGatedAndOpenedEveryTime) {
    PlaySound("no-such-sound.WAV", 1);
    EXPECT_EQ(wav1->FileName(), Full("no-such-sound.WAV")); // a failed open keeps the name
    PlaySound("no-such-sound.WAV", 1);
    EXPECT_EQ(wav1->OpenCount(), 1);
    mplWAV1 = nullptr; // before the main window exists nothing plays
    PlaySound(beep, 1);

    MusicOn = false;
    PlayMusic("tune.mid", 0);
    EXPECT_EQ(midi->OpenCount(), 0);
    MusicOn = true;
    PlayMusic("tune.mid", 0); // not there: silent
    PlayMusic("tune.mid", 0);
    EXPECT_EQ(std::tuple(midi->OpenCount(), midi->FileName()), std::tuple(2, Full("tune.mid")));
}

TEST_F(SoundTest, OnceASoundHasPlayedSigtermStillEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PlaySound(beep, 1);
            if (!wav1->IsPlaying())
                std::_Exit(2);
            std::raise(SIGTERM);
            std::_Exit(0); // SIGTERM was caught
        },
        ::testing::KilledBySignal(SIGTERM), "");
}

TEST(ColorScheme, PaletteAndTrueColourDisplays) {
    ChooseColorScheme(8, 1);
    EXPECT_EQ(ScreenColors, 256);
    EXPECT_EQ(
        std::tuple(FrameColor, RedColor, LightColor, GreenColor),
        std::tuple(QColor(0, 0, 128), QColor(255, 0, 0), QColor(192, 192, 192), QColor(0, 255, 0)));
    for (int bits : {16, 24, 32}) {
        ChooseColorScheme(bits, 1);
        EXPECT_GT(ScreenColors, 256);
        EXPECT_EQ(std::tuple(FrameColor, RedColor, LightColor, GreenColor),
                  std::tuple(QColor(40, 90, 160), QColor(255, 64, 64), QColor(192, 208, 224),
                             QColor(0, 255, 0)));
    }
    EXPECT_EQ(ScreenColors, int64_t{1} << 32);
}
