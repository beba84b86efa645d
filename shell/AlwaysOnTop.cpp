// Keeping the window in front of all others, or not.
#include "shell/frmStopwatch.h"

void frmStopwatch::ApplyWindowFront(int32_t value) {
    if (value != 0 && value != 1) return;
    mnuWindowApearanceNormal.setChecked(value == 0);
    mnuWindowApearanceFront.setChecked(value == 1);
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
