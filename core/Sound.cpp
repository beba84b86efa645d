// The ticking-sound setting.
#include "shell/frmStopwatch.h"

void frmStopwatch::mnuSoundOn_Click() {
    ApplyPlaySound(1);
}
void frmStopwatch::mnuSoundOff_Click() {
    ApplyPlaySound(0);
}

void frmStopwatch::ApplyPlaySound(int32_t value) {
    if (value != 0 && value != 1) return;
    mnuSoundOff.setChecked(value == 0);
    mnuSoundOn.setChecked(value == 1);
    state.playSound = value;
}
