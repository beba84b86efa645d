// The periodic refresh of the readouts while the stopwatch runs. Every tick recomputes from
// the counter, so the tick rate decides only how smooth the display is.
#include "core/Elapsed.h"
#include "core/NumberFormat.h"
#include "shell/frmStopwatch.h"

void frmStopwatch::tmrClock_Timer() {
    if (state.running != kTrue) return;
    // A run past the 32-bit limit fails on every tick: say so once per run, and never stack a
    // box on one that is already open (a modal box keeps the timer firing underneath).
    const auto reportOncePerRun = [this](const QString& text) {
        if (tickFailureReported_ || openMessageBoxes_ > 0) return;
        tickFailureReported_ = true;
        reportFailure(text);
    };
    runTrapped(13, reportOncePerRun, [this] {
        const int32_t total = currentElapsedMs();
        if (state.showDigital == 1) lblTime.setCaption(formatSecondsGrouped(total));
        if (state.showAnalog == 1) drawRunningDial(total);
    });
}
