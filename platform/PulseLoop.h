// Loops samples on a PulseAudio server (or PipeWire's, which speaks its protocol) from a thread
// of its own, with room in the server for 100 ms of them.
#pragma once

#include <SDL_audio.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <vector>

namespace platform {

class PulseLoop {
public:
    /// Whether samples of this SDL format can go to the server as they are.
    static bool takes(const SDL_AudioSpec& format);
    /// Connects and plays `leadInBytes` of silence, then `samples` over and over, until stopped;
    /// returns at once, so a slow server never holds the caller up. `format` must be one the
    /// server takes.
    static std::shared_ptr<PulseLoop> start(const SDL_AudioSpec& format,
                                            std::shared_ptr<const std::vector<Uint8>> samples,
                                            std::size_t leadInBytes);
    /// Returns at once; the stream is gone, with what the server still held of it, within one
    /// write's worth of sound (10 ms).
    void stop();

private:
    void run(const SDL_AudioSpec& format, const std::vector<Uint8>& samples,
             std::size_t leadInBytes);

    std::atomic<bool> stopped_{false};
};

}  // namespace platform
