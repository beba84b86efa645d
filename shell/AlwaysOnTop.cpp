// Keeping the window in front of all others, or not.
#include "shell/frmStopwatch.h"

void frmStopwatch::ApplyWindowFront(int32_t value) {
    if (!platform::checkOnly({&mnuWindowApearanceNormal, &mnuWindowApearanceFront}, value)) return;
    state.windowForceFront = value;
}

void frmStopwatch::mnuWindowApearanceFront_Click() {
    ApplyWindowFront(1);
    setKeepAbove(true);
}

void frmStopwatch::mnuWindowApearanceNormal_Click() {
    ApplyWindowFront(0);
    setKeepAbove(false);
}
