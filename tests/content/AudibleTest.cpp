// SPDX-License-Identifier: GPL-3.0-or-later
// What the player hears: the shipped effects and the top-ten music, played the
// way the game plays them, through SDL's disk audio driver, which writes the
// device's output to a file instead of a sound card.
#include "AssetPath.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <SDL_audio.h>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

namespace {

// What one sound left on the device: interleaved 16-bit samples.
struct THeard {
    int frequency = 0, channels = 0;
    std::vector<int16_t> samples;

    // Seconds during which the channel is louder than -30 dBFS.
    double LoudSeconds(int channel) const {
        int frames = 0;
        for (size_t i = channel; i < samples.size(); i += channels)
            frames += std::abs(int(samples[i])) >= 1000;
        return double(frames) / frequency;
    }
    // Samples at full scale, where the mixer clips.
    int FullScale() const {
        return int(std::count_if(samples.begin(), samples.end(),
                                 [](int16_t s) { return s >= 32767 || s <= -32767; }));
    }
};

// Runs audible_probe with the disk driver and reads what it wrote.
THeard Play(const QStringList& args) {
    QTemporaryDir dir;
    const QString output = dir.filePath("heard.raw");
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SDL_AUDIODRIVER", "disk");
    env.insert("SDL_DISKAUDIOFILE", output);
    env.insert("SDL_DISKAUDIODELAY", "1"); // a millisecond a buffer: faster than played
    probe.setProcessEnvironment(env);
    probe.start(AssetPath("audible_probe"), args);
    probe.waitForFinished(-1);
    const QString out = QString::fromLatin1(probe.readAllStandardOutput());
    const QStringList format = out.split(' ');
    // The device's format: interleaved 16-bit stereo, as THeard reads it.
    const bool ok = probe.exitCode() == 0 && format.size() == 3 &&
                    format[1].toInt() == AUDIO_S16SYS && format[2].toInt() == 2;
    EXPECT_TRUE(ok) << out.toStdString() << probe.readAllStandardError().toStdString();
    if (!ok)
        return {};
    QFile file(output);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const auto* first = reinterpret_cast<const int16_t*>(bytes.constData());
    return {format[0].toInt(), 2, {first, first + bytes.size() / 2}};
}

// Each effect on the channel the game plays it on (a right and a wrong answer,
// a menu click) is short; the top-ten music lasts. Both sides are heard, and
// nothing clips.
TEST(Audible, EffectsAndRecordMusicAreHeardOnBothSidesUnclipped) {
    // Where SDL_mixer's MIDI synthesizer looks on Debian (package timgm6mb-soundfont).
    EXPECT_TRUE(QFileInfo("/usr/share/sounds/sf3/default-GM.sf3").exists());
    for (const auto& [args, shortest, longest] :
         {std::tuple(QStringList{"effect", "Plopp4.WAV", "1"}, 0.02, 0.5),
          std::tuple(QStringList{"effect", "Rassel11.WAV", "2"}, 0.02, 0.5),
          std::tuple(QStringList{"effect", "Plopp.WAV", "2"}, 0.02, 0.5),
          std::tuple(QStringList{"music", "good.mid"}, 4.0, 1e9)}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const THeard heard = Play(args);
        const auto [quieter, louder] = std::minmax({heard.LoudSeconds(0), heard.LoudSeconds(1)});
        EXPECT_TRUE(quieter > shortest && louder < longest) << quieter << " " << louder;
        EXPECT_EQ(heard.FullScale(), 0);
    }
}

} // namespace
