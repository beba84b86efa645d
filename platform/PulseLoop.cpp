#include "platform/PulseLoop.h"

#include <SDL_thread.h>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <pulse/timeval.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <thread>

namespace platform {

namespace {

std::optional<pa_sample_format_t> serverFormatOf(SDL_AudioFormat format) {
    switch (format) {
        case AUDIO_U8:
            return PA_SAMPLE_U8;
        case AUDIO_S16LSB:
            return PA_SAMPLE_S16LE;
        case AUDIO_S16MSB:
            return PA_SAMPLE_S16BE;
        case AUDIO_S32LSB:
            return PA_SAMPLE_S32LE;
        case AUDIO_S32MSB:
            return PA_SAMPLE_S32BE;
        case AUDIO_F32LSB:
            return PA_SAMPLE_FLOAT32LE;
        case AUDIO_F32MSB:
            return PA_SAMPLE_FLOAT32BE;
        default:
            return std::nullopt;
    }
}

pa_sample_spec streamFormatOf(const SDL_AudioSpec& format) {
    return {*serverFormatOf(format.format), Uint32(format.freq), format.channels};
}

/// Room for 100 ms in the server: a stall of this program or of the server shorter than that is
/// never heard. The stream starts as soon as the room is full, which takes one burst of writes.
pa_buffer_attr roomFor(const pa_sample_spec& streamFormat) {
    constexpr Uint32 kDefault = Uint32(-1);
    return {kDefault, Uint32(pa_usec_to_bytes(100 * PA_USEC_PER_MSEC, &streamFormat)), kDefault,
            kDefault, kDefault};
}

/// 10 ms per write: a Stop waits for no more than one write to finish.
std::size_t writeBytesFor(const pa_sample_spec& streamFormat) {
    const std::size_t frame = pa_frame_size(&streamFormat);
    return std::max(frame, pa_usec_to_bytes(10 * PA_USEC_PER_MSEC, &streamFormat) / frame * frame);
}

void sayNoServer(int error) {
    static std::atomic<bool> said{false};
    if (!said.exchange(true))
        std::fprintf(stderr, "TamoruWatch: no sound (%s)\n", pa_strerror(error));
}

}  // namespace

bool PulseLoop::takes(const SDL_AudioSpec& format) {
    return serverFormatOf(format.format) && format.channels >= 1 &&
           format.channels <= PA_CHANNELS_MAX;
}

std::shared_ptr<PulseLoop> PulseLoop::start(const SDL_AudioSpec& format,
                                            std::shared_ptr<const std::vector<Uint8>> samples,
                                            std::size_t leadInBytes) {
    auto loop = std::make_shared<PulseLoop>();
    std::thread([loop, format, samples = std::move(samples), leadInBytes] {
        loop->run(format, *samples, leadInBytes);
    }).detach();
    return loop;
}

void PulseLoop::stop() {
    stopped_.store(true, std::memory_order_release);
}

void PulseLoop::run(const SDL_AudioSpec& format, const std::vector<Uint8>& samples,
                    std::size_t leadInBytes) {
    // As SDL does for its own audio thread: a late write is a late tick.
    SDL_SetThreadPriority(SDL_THREAD_PRIORITY_TIME_CRITICAL);
    const pa_sample_spec streamFormat = streamFormatOf(format);
    const pa_buffer_attr room = roomFor(streamFormat);
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "TamoruWatch", PA_STREAM_PLAYBACK, nullptr, "tick",
                                      &streamFormat, nullptr, &room, &error);
    if (!stream) {
        sayNoServer(error);
        return;
    }
    const std::size_t writeBytes = writeBytesFor(streamFormat);
    const std::vector<Uint8> silence(writeBytes, format.silence);
    std::size_t position = 0;
    while (!stopped_.load(std::memory_order_acquire)) {
        const Uint8* chunk = nullptr;
        std::size_t length = 0;
        if (leadInBytes > 0) {
            length = std::min(leadInBytes, writeBytes);
            chunk = silence.data();
            leadInBytes -= length;
        } else {
            length = std::min(writeBytes, samples.size() - position);
            chunk = samples.data() + position;
            position = (position + length) % samples.size();
        }
        if (pa_simple_write(stream, chunk, length, &error) < 0) break;
    }
    // Freeing the stream drops what the server still holds of it: the loop is silent at once.
    pa_simple_free(stream);
}

}  // namespace platform
