// How long Stop and closing take while the tick loop plays, on SDL's dummy driver (which paces
// itself like a real device), with the shipped tick.wav and with a WAV at 1 Hz, whose buffers
// last minutes at its own rate. Both must return within 5 ms. Run:
//   build/bench/bench_sound
#include <benchmark/benchmark.h>

#include <QFile>
#include <QThread>
#include <cstdlib>

#include "platform/SoundPlayer.h"

namespace {

QByteArray shippedTick() {
    QFile file(QStringLiteral(TAMORU_SOURCE_DIR "/assets/tick.wav"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray oneHertzWav() {
    QByteArray wav("RIFF\x2c\x00\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00", 24);
    const quint32 rate = 1, byteRate = 2;
    wav.append(reinterpret_cast<const char*>(&rate), 4);
    wav.append(reinterpret_cast<const char*>(&byteRate), 4);
    wav.append(
        "\x02\x00\x10\x00"
        "data"
        "\x08\x00\x00\x00",
        12);
    wav.append("\x00\x40\x00\xc0\x00\x40\x00\xc0", 8);  // four samples: four seconds
    return wav;
}

QByteArray wavFor(int which) {
    return which == 0 ? shippedTick() : oneHertzWav();
}

void useDummyDriver() {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}

void BM_StopWhilePlaying(benchmark::State& state) {
    useDummyDriver();
    const QByteArray wav = wavFor(int(state.range(0)));
    platform::SoundPlayer player;
    for (auto _ : state) {
        state.PauseTiming();
        player.playLooped(wav);
        QThread::msleep(30);  // the audio thread is inside a buffer now
        state.ResumeTiming();
        player.stop();
    }
}

// Closing the window destroys the player with the loop just stopped.
void BM_CloseWhilePlaying(benchmark::State& state) {
    useDummyDriver();
    const QByteArray wav = wavFor(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto player = std::make_unique<platform::SoundPlayer>();
        player->playLooped(wav);
        QThread::msleep(30);
        state.ResumeTiming();
        player->stop();
        player.reset();
    }
}

// Every Start after the first reuses the decoded, converted samples: a Start only opens the
// device.
void BM_StartAgain(benchmark::State& state) {
    useDummyDriver();
    const QByteArray wav = wavFor(int(state.range(0)));
    platform::SoundPlayer player;
    player.playLooped(wav);
    for (auto _ : state) {
        state.PauseTiming();
        player.stop();
        QThread::msleep(30);  // as a user would, and the closed device is gone
        state.ResumeTiming();
        player.playLooped(wav);
    }
}

}  // namespace

// Argument 0: the shipped tick.wav; 1: the 1 Hz WAV.
BENCHMARK(BM_StopWhilePlaying)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CloseWhilePlaying)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartAgain)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);
