// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

// A media player for one wave channel or for music, over SDL2_mixer. Open()
// and Play() throw EMediaError on failure (no device, missing file, a format
// the device cannot play); they never block.
class EMediaError : public std::exception {
public:
    explicit EMediaError(QString message) : message_(std::move(message)) {}
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return "media error"; }

private:
    QString message_;
};

class TMediaPlayer {
public:
    enum class Kind { Wave, Music };
    // channel: the mixer channel of a wave player (0-based); ignored for music.
    TMediaPlayer(Kind kind, int channel = 0);
    ~TMediaPlayer();
    TMediaPlayer(const TMediaPlayer&) = delete;
    TMediaPlayer& operator=(const TMediaPlayer&) = delete;

    const QString& FileName() const { return fileName_; }
    void SetFileName(const QString& fileName) { fileName_ = fileName; }
    void Open();
    void SetPosition(int milliseconds);
    // Starts playing in the background. A wave sound that is still playing
    // goes on; one that has finished starts again from the beginning.
    void Play();

    int OpenCount() const { return opens_; }
    bool IsPlaying() const;

private:
    void Release();

    Kind kind_;
    int channel_;
    QString fileName_;
    Mix_Chunk* chunk_ = nullptr;
    Mix_Music* music_ = nullptr;
    int position_ = 0;
    int opens_ = 0;
};
