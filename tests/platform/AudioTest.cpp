// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Audio.h"
#include "data/Helpers.h"
#include "support/TestFiles.h"

#include <QDataStream>
#include <QDir>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A short 16-bit mono PCM wave of silence.
QByteArray Wave() {
    QByteArray data;
    QDataStream s(&data, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint32 size = 2205 * 2; // samples of two bytes
    s.writeRawData("RIFF", 4);
    s << quint32(36 + size);
    s.writeRawData("WAVEfmt ", 8);
    s << quint32(16) << quint16(1) << quint16(1) << quint32(22050) << quint32(44100) << quint16(2)
      << quint16(16);
    s.writeRawData("data", 4);
    s << size;
    return data + QByteArray(size, 0);
}

class SoundTest : public ::testing::Test {
protected:
    // PlaySound takes names relative to the program folder.
    QString Written(const char* name) {
        return QDir(ProgramFolder()).relativeFilePath(dir.Write(name, Wave()));
    }
    QString Full(const QString& name) const { return ProgramFolder() + "/" + name; }

    TestDir dir;
    TAudio audio;
    const TMediaPlayer& wav1 = audio.Wave(1);
    const TMediaPlayer& wav2 = audio.Wave(2);
    const TMediaPlayer& midi = audio.Music();
    QString beep = Written("beep.WAV"), other = Written("other.WAV");
};

} // namespace

TEST_F(SoundTest, EffectsAreGatedAndChannelOneIsTheFirstPlayerAnyOtherTheSecond) {
    audio.SetSoundsOn(false);
    audio.PlaySound(beep, 1);
    EXPECT_EQ(std::tuple(wav1.FileName(), wav1.OpenCount()), std::tuple("", 0));
    audio.SetSoundsOn(true);
    audio.PlaySound(beep, 1);
    // SDL's dummy driver plays without a device.
    EXPECT_EQ(std::pair(wav1.FileName(), wav1.IsPlaying()), std::pair(Full(beep), true));
    for (int channel : {2, 0, 7}) {
        audio.PlaySound(other, channel);
        EXPECT_EQ(wav2.FileName(), Full(other));
    }
    EXPECT_EQ(wav2.OpenCount(), 1); // the same file opens once and plays again
    audio.PlaySound(beep, 1);
    audio.PlaySound(other, 1); // beep again did not reopen
    EXPECT_EQ(wav1.OpenCount(), 2);
}

TEST_F(SoundTest, FailuresAreSilentAndMusicIsGatedAndOpenedEveryTime) {
    audio.PlaySound("no-such-sound.WAV", 1);
    EXPECT_EQ(wav1.FileName(), Full("no-such-sound.WAV")); // a failed open keeps the name
    audio.PlaySound("no-such-sound.WAV", 1);
    EXPECT_EQ(wav1.OpenCount(), 1);

    audio.SetMusicOn(false);
    audio.PlayMusic("tune.mid", 0); // gated: the two below are the only opens
    audio.SetMusicOn(true);
    audio.PlayMusic("tune.mid", 0); // not there: silent
    audio.PlayMusic("tune.mid", 0);
    EXPECT_EQ(std::tuple(midi.OpenCount(), midi.FileName()), std::tuple(2, Full("tune.mid")));
}

TEST_F(SoundTest, OnceASoundHasPlayedSigtermStillEndsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            audio.PlaySound(beep, 1);
            if (!wav1.IsPlaying())
                std::_Exit(2);
            std::raise(SIGTERM);
            std::_Exit(0); // SIGTERM was caught
        },
        ::testing::KilledBySignal(SIGTERM), "");
}
