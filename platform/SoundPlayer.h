// Plays a WAV image from memory in a loop, asynchronously, until stopped (the role of
// PlaySoundA with SND_ASYNC | SND_MEMORY | SND_LOOP), over SDL2 audio, or over a stream of its
// own when SDL's sound goes to a PulseAudio server.
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

    /// Starts looping the samples of `wavImage` from their beginning and returns at once. Stops
    /// any sound playing first. The image is decoded and converted to the device's format once:
    /// playing the same image again reuses it. A WAV that can't be decoded or holds no samples,
    /// or a machine without an audio device, plays nothing and raises nothing.
    void playLooped(const QByteArray& wavImage);
    /// Silences the loop at once; never waits for the audio thread: the device is closed on a
    /// thread of its own. Destroying the player stops it the same way.
    void stop();
    bool playing() const;

private:
    struct Loop;
    struct Device;

    std::shared_ptr<Device> device_;
    std::shared_ptr<const Loop> loop_;
    QByteArray image_;  // the image loop_ was made from, kept so that its identity stays unique
};

}  // namespace platform
