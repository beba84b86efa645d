// Plays a WAV image from memory in a loop, asynchronously, until stopped (the role of
// PlaySoundA with SND_ASYNC | SND_MEMORY | SND_LOOP), over SDL2 audio.
#pragma once

#include <QByteArray>
#include <memory>

namespace platform {

class SoundPlayer {
public:
    SoundPlayer();
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    /// Starts looping the decoded samples of `wavImage`, unchanged, and returns at once. Stops
    /// any sound playing first. A WAV that can't be decoded or holds no samples, or a machine
    /// without an audio device, plays nothing and raises nothing.
    void playLooped(const QByteArray& wavImage);
    /// Stops any sound this player started; returns promptly.
    void stop();
    bool playing() const;

private:
    struct Loop;
    std::unique_ptr<Loop> loop_;
};

}  // namespace platform
