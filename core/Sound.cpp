// The ticking-sound setting.
#include "shell/frmStopwatch.h"

void frmStopwatch::mnuSoundOn_Click() {
    ApplyPlaySound(1);
}
void frmStopwatch::mnuSoundOff_Click() {
    ApplyPlaySound(0);
}

void frmStopwatch::ApplyPlaySound(int32_t value) {
    if (!platform::checkOnly({&mnuSoundOff, &mnuSoundOn}, value)) return;
    state.playSound = value;
}
