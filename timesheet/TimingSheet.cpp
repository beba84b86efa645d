#include "timesheet/TimingSheet.h"

#include "laps/TimeNotations.h"

int64_t BoundaryFrame(int32_t ms) {
    return int64_t(ms / 1000) * 24 + FrameInSecond(ms % 1000);
}

int64_t KeyLength(const std::vector<int32_t>& entries, std::size_t k) {
    const int64_t previous = k >= 2 ? BoundaryFrame(entries[k - 2]) : 0;
    return BoundaryFrame(entries[k - 1]) - previous;
}

QString SecondsPlusFrames(int64_t frames) {
    return QStringLiteral("%1+%2").arg(frames / 24).arg(frames % 24);
}

QString KeyDescription(std::size_t k, int64_t length) {
    return QStringLiteral("キー %1: %2 コマ (%3)")
        .arg(k)
        .arg(length)
        .arg(SecondsPlusFrames(length));
}
