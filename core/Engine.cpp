// The measuring heart: Start/Stop, Lap/Reset and the behaviour mode. Elapsed time is always
// recomputed from the counter taken at Start plus the time of earlier runs.
#include "core/Elapsed.h"
#include "shell/frmStopwatch.h"

int32_t frmStopwatch::currentElapsedMs() const {
    return elapsedMs(env().timeGetTime(), state.startTick, state.accumulatedMs);
}

void frmStopwatch::cmdStart_Click() {
    trap(1, [this] {
        if (state.running == kFalse) {
            startRun();
        } else {
            stopRun();
        }
    });
}

void frmStopwatch::startRun() {
    state.startTick = int32_t(env().timeGetTime());
    state.running = kTrue;
    tickFailureReported_ = false;
    cmdStart.setCaption(QStringLiteral("ストップ"));
    cmdLap.setCaption(QStringLiteral("ラップ"));
    tmrClock.setActive(true);  // a stopped clock has nothing to tick for
    confineCursorToClientArea();
    if (state.playSound == 1) tickSound.playLooped(state.tickSoundData);
    updateTimesheetExport();
}

void frmStopwatch::stopRun() {
    RecordSplit();
    state.running = kFalse;
    tmrClock.setActive(false);
    cmdStart.setCaption(QStringLiteral("スタート"));
    cmdLap.setCaption(QStringLiteral("リセット"));
    clipCursor(std::nullopt);
    tickSound.stop();  // whatever the sound setting says now
    lblTime.announce();
    updateTimesheetExport();
}

void frmStopwatch::RecordSplit() {
    trap(3, [this] {
        if (state.running != kTrue) return;
        const int32_t total = currentElapsedMs();
        state.lapTimes.append(total);
        rebuildLapListForLapType();
        state.accumulatedMs = total;
    });
}

void frmStopwatch::cmdLap_Click() {
    trap(2, [this] {
        if (state.running == kTrue) {
            const int32_t total = currentElapsedMs();
            state.lapTimes.append(total);
            rebuildLapListForLapType();
            lblTime.announce();
        } else {
            resetMeasurement();
        }
    });
}

void frmStopwatch::resetMeasurement() {
    lstLap.clear();
    state.lapTimes.makeEmpty();
    state.accumulatedMs = 0;
    lblTime.setCaption(QStringLiteral("0.000"));
    lblTime.announce();
    // The dial is reset even while hidden, so it shows the resting face when turned on.
    imgWatch.cls();
    drawRestingNumerals();
    DrawHand(0);
    updateTimesheetExport();
}

void frmStopwatch::mnuBehaviorNormal_Click() {
    ApplyBehaviorMode(0);
}
void frmStopwatch::mnuBehaviorLap_Click() {
    ApplyBehaviorMode(1);
}

void frmStopwatch::ApplyBehaviorMode(int32_t mode) {
    if (!platform::checkOnly({&mnuBehaviorNormal, &mnuBehaviorLap}, mode)) return;
    state.behaviorMode = mode;
}
