#include "platform/SoundPlayer.h"

#define SDL_MAIN_HANDLED
#include <SDL.h>
#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

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

}  // namespace

/// Decoded samples and the device playing them; the position belongs to the audio thread.
struct SoundPlayer::Loop {
    Loop() = default;
    Loop(const Loop&) = delete;
    Loop& operator=(const Loop&) = delete;

    Uint8* samples = nullptr;
    Uint32 length = 0;
    Uint32 position = 0;
    SDL_AudioDeviceID device = 0;

    ~Loop() {
        if (device) SDL_CloseAudioDevice(device);  // waits for a running callback to finish
        if (samples) SDL_FreeWAV(samples);
    }

    static void fill(void* self, Uint8* stream, int length) {
        auto* loop = static_cast<Loop*>(self);
        while (length > 0) {
            const Uint32 chunk = std::min<Uint32>(Uint32(length), loop->length - loop->position);
            std::memcpy(stream, loop->samples + loop->position, chunk);
            loop->position = (loop->position + chunk) % loop->length;
            stream += chunk;
            length -= int(chunk);
        }
    }
};

SoundPlayer::SoundPlayer() = default;
SoundPlayer::~SoundPlayer() {
    stop();
}

void SoundPlayer::playLooped(const QByteArray& wavImage) {
    stop();
    if (wavImage.isEmpty() || !audioReady()) return;
    auto loop = std::make_unique<Loop>();
    SDL_AudioSpec format{};
    SDL_RWops* source = SDL_RWFromConstMem(wavImage.constData(), int(wavImage.size()));
    if (!SDL_LoadWAV_RW(source, 1, &format, &loop->samples, &loop->length)) return;
    // Whole sample frames only, so the loop never shifts between channels.
    const Uint32 frameBytes = Uint32(SDL_AUDIO_BITSIZE(format.format) / 8) * format.channels;
    if (frameBytes > 0) loop->length -= loop->length % frameBytes;
    if (loop->length == 0) return;
    format.callback = &Loop::fill;
    format.userdata = loop.get();
    // The device takes the file's own format; SDL converts for the hardware if it must, so
    // the samples handed over are the file's, unchanged.
    loop->device = SDL_OpenAudioDevice(nullptr, 0, &format, nullptr, 0);
    if (!loop->device) {
        static bool said = false;
        if (!said) std::fprintf(stderr, "TamoruWatch: no sound (%s)\n", SDL_GetError());
        said = true;
        return;
    }
    SDL_PauseAudioDevice(loop->device, 0);
    loop_ = std::move(loop);
}

void SoundPlayer::stop() {
    loop_.reset();
}

bool SoundPlayer::playing() const {
    return loop_ != nullptr;
}

}  // namespace platform
