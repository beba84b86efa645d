#include "platform/SoundPlayer.h"

#include "platform/PulseLoop.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace platform {

namespace {

void ignoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

/// ALSA reports a missing sound card in many lines of its own; our one line says it. SDL loads
/// the library at run time, so reach the same instance the same way.
void quietAlsa() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_GLOBAL);
    if (!alsa) return;
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    if (auto set = reinterpret_cast<SetHandler>(dlsym(alsa, "snd_lib_error_set_handler"))) {
        set(&ignoreAlsaMessage);
    }
}

/// Opens SDL's audio once per process. SDL must install no signal handlers (the program has to
/// stay stoppable with Ctrl-C and kill) and has no main of its own here.
bool audioReady() {
    static const bool ready = [] {
        quietAlsa();
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetMainReady();
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) return true;
        std::fprintf(stderr, "TamoruWatch: no sound (%s)\n", SDL_GetError());
        return false;
    }();
    return ready;
}

bool onSoundServer() {
    const char* driver = SDL_GetCurrentAudioDriver();
    return driver && std::strcmp(driver, "pulseaudio") == 0;
}

void sayNoDevice() {
    static bool said = false;
    if (!said) std::fprintf(stderr, "TamoruWatch: no sound (%s)\n", SDL_GetError());
    said = true;
}

/// Ordinary rates are played as they are; a file at an absurd rate (1 Hz, say) is resampled,
/// since a device at that rate would take minutes per buffer and Stop would wait for it.
int deviceRateFor(int fileRate) {
    return std::clamp(fileRate, 8000, 192000);
}

/// About 10 ms of sound per buffer: Start is heard and Stop is silent that soon, while the
/// audio thread wakes some 100 times a second, and only while the loop plays.
Uint16 bufferFramesFor(int rate) {
    Uint16 frames = 64;
    while (frames < 4096 && frames * 100 < rate) frames *= 2;
    return frames;
}

/// A sound server may drop the first few milliseconds of a new stream (PulseAudio does, when
/// the stream joins a sink in the middle of a block). A short silence before the first sample
/// takes that loss, so the first tick is heard whole and the loop keeps its period from it.
std::size_t leadInBytes(const SDL_AudioSpec& format) {
    constexpr int kLeadInMs = 10;
    const std::size_t frameBytes =
        std::size_t(SDL_AUDIO_BITSIZE(format.format) / 8) * format.channels;
    return std::size_t(format.freq) * kLeadInMs / 1000 * frameBytes;
}

struct DecodedWav {
    SDL_AudioSpec format{};
    std::vector<Uint8> samples;
};

/// The image's samples in the device's format, cut to whole sample frames so that the loop
/// never shifts between channels. Empty when the image can't be decoded.
std::vector<Uint8> convertedSamples(const DecodedWav& wav, const SDL_AudioSpec& device) {
    if (wav.samples.empty()) return {};
    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, wav.format.format, wav.format.channels, wav.format.freq,
                          device.format, device.channels, device.freq) < 0) {
        return {};
    }
    std::vector<Uint8> buffer(wav.samples.size() * std::size_t(std::max(cvt.len_mult, 1)));
    std::memcpy(buffer.data(), wav.samples.data(), wav.samples.size());
    cvt.buf = buffer.data();
    cvt.len = int(wav.samples.size());
    if (cvt.needed && SDL_ConvertAudio(&cvt) != 0) return {};
    buffer.resize(std::size_t(cvt.needed ? cvt.len_cvt : cvt.len));
    const std::size_t frameBytes =
        std::size_t(SDL_AUDIO_BITSIZE(device.format) / 8) * device.channels;
    buffer.resize(buffer.size() - buffer.size() % frameBytes);
    return buffer;
}

std::optional<DecodedWav> decode(const QByteArray& image) {
    DecodedWav wav;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    SDL_RWops* source = SDL_RWFromConstMem(image.constData(), int(image.size()));
    if (!SDL_LoadWAV_RW(source, 1, &wav.format, &samples, &length)) return std::nullopt;
    wav.samples.assign(samples, samples + length);
    SDL_FreeWAV(samples);
    return wav;
}

}  // namespace

/// The samples of one image in the format its devices are opened with, decoded and converted
/// once for every Start that plays them.
struct SoundPlayer::Loop {
    SDL_AudioSpec format{};
    std::vector<Uint8> samples;

    static std::shared_ptr<const Loop> of(const QByteArray& image) {
        const std::optional<DecodedWav> wav = decode(image);
        if (!wav) return nullptr;
        auto loop = std::make_shared<Loop>();
        loop->format = wav->format;
        loop->format.freq = deviceRateFor(wav->format.freq);
        loop->format.samples = bufferFramesFor(loop->format.freq);
        loop->samples = convertedSamples(*wav, loop->format);
        if (loop->samples.empty()) return nullptr;
        return loop;
    }
};

/// One run of the loop: a device that plays the samples from the first one on. Stop silences
/// it at once and closes it on a thread of its own, since a close waits for SDL's audio thread
/// to finish its buffer, and a stopped stopwatch then costs nothing.
/// On a PulseAudio server the loop is a stream of its own instead of SDL's: SDL lets the server
/// hold only one buffer (some 12 ms), so any longer stall starves the stream and every later tick
/// comes late; and a device SDL has just opened plays silence until it is unpaused, which with
/// more room in the server would put up to that much silence before the first tick.
struct SoundPlayer::Device {
    Device() = default;
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;
    ~Device() {
        if (id) SDL_CloseAudioDevice(id);
        if (pulse) pulse->stop();
    }

    SDL_AudioDeviceID id = 0;
    std::shared_ptr<PulseLoop> pulse;
    std::shared_ptr<const Loop> loop;
    std::atomic<bool> sounding{true};
    std::size_t position = 0;    // the audio thread's own
    std::size_t leadInLeft = 0;  // bytes of silence still to play before the first sample

    static void fill(void* self, Uint8* stream, int length) {
        auto* device = static_cast<Device*>(self);
        const std::vector<Uint8>& samples = device->loop->samples;
        if (!device->sounding.load(std::memory_order_acquire)) {
            std::memset(stream, device->loop->format.silence, std::size_t(length));
            return;
        }
        const std::size_t leadIn = std::min(device->leadInLeft, std::size_t(length));
        std::memset(stream, device->loop->format.silence, leadIn);
        device->leadInLeft -= leadIn;
        stream += leadIn;
        length -= int(leadIn);
        while (length > 0) {
            const std::size_t chunk =
                std::min(std::size_t(length), samples.size() - device->position);
            std::memcpy(stream, samples.data() + device->position, chunk);
            device->position = (device->position + chunk) % samples.size();
            stream += chunk;
            length -= int(chunk);
        }
    }

    static std::shared_ptr<Device> open(std::shared_ptr<const Loop> loop) {
        auto device = std::make_shared<Device>();
        device->loop = std::move(loop);
        device->leadInLeft = leadInBytes(device->loop->format);
        if (onSoundServer() && PulseLoop::takes(device->loop->format)) {
            const std::shared_ptr<const std::vector<Uint8>> samples(device->loop,
                                                                    &device->loop->samples);
            device->pulse = PulseLoop::start(device->loop->format, samples, device->leadInLeft);
            return device;
        }
        SDL_AudioSpec wanted = device->loop->format;
        wanted.callback = &Device::fill;
        wanted.userdata = device.get();
        // The device takes the samples' own format; SDL converts for the hardware if it must,
        // so the samples handed over are the file's, unchanged.
        device->id = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
        if (!device->id) {
            sayNoDevice();
            return nullptr;
        }
        SDL_PauseAudioDevice(device->id, 0);
        return device;
    }
};

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() {
    stop();
}

void SoundPlayer::playLooped(const QByteArray& wavImage) {
    stop();
    if (wavImage.isEmpty() || !audioReady()) return;
    const bool sameImage =
        image_.constData() == wavImage.constData() && image_.size() == wavImage.size();
    if (!sameImage) {
        image_ = wavImage;
        loop_ = Loop::of(wavImage);
    }
    if (loop_) device_ = Device::open(loop_);
}

void SoundPlayer::stop() {
    if (!device_) return;
    // The device stays alive, callback and samples included, until its close is done.
    device_->sounding.store(false, std::memory_order_release);
    std::thread([closing = std::move(device_)]() mutable { closing.reset(); }).detach();
}

bool SoundPlayer::playing() const {
    return device_ != nullptr;
}

}  // namespace platform
