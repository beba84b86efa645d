// Writes the ticking sound: a 1.000-second loop of 16-bit mono PCM at 44.1 kHz with one short,
// crisp tick at its start, so looped from Start the ticks fall on the run's whole seconds.
//
//   make_tick OUTPUT.wav
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr uint32_t kRate = 44100;

void put16(std::vector<uint8_t>& out, uint16_t v) {
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}
void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, uint16_t(v));
    put16(out, uint16_t(v >> 16));
}
void putTag(std::vector<uint8_t>& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

std::vector<int16_t> samples() {
    std::vector<int16_t> pcm(kRate, 0);
    // About 8 ms: two high partials under a fast exponential decay, like a mechanical click.
    for (uint32_t i = 0; i < kRate / 125; ++i) {
        const double t = double(i) / kRate;
        const double envelope = std::exp(-t / 0.0015);
        const double wave =
            0.6 * std::sin(2 * M_PI * 2200 * t) + 0.4 * std::sin(2 * M_PI * 5300 * t);
        pcm[i] = int16_t(std::lround(26000 * envelope * wave));
    }
    return pcm;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_tick OUTPUT.wav\n");
        return 2;
    }
    const std::vector<int16_t> pcm = samples();
    const uint32_t dataBytes = uint32_t(pcm.size() * 2);
    std::vector<uint8_t> wav;
    putTag(wav, "RIFF");
    put32(wav, 36 + dataBytes);
    putTag(wav, "WAVE");
    putTag(wav, "fmt ");
    put32(wav, 16);
    put16(wav, 1);  // PCM
    put16(wav, 1);  // mono
    put32(wav, kRate);
    put32(wav, kRate * 2);
    put16(wav, 2);
    put16(wav, 16);
    putTag(wav, "data");
    put32(wav, dataBytes);
    for (int16_t s : pcm) put16(wav, uint16_t(s));
    FILE* file = std::fopen(argv[1], "wb");
    if (!file || std::fwrite(wav.data(), 1, wav.size(), file) != wav.size()) return 1;
    return std::fclose(file) == 0 ? 0 : 1;
}
