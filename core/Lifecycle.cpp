// Start-up and shutdown of the window.
#include "shell/TrapImpl.h"

void frmStopwatch::Form_Load() {
    trap(4, [this] {
        setCaption(QStringLiteral("Tamoru Watch"));
        lblTime.setCaption(QStringLiteral("0.000"));
        clearMeasurement(state);
    });
}

void frmStopwatch::Form_Unload() {}

void frmStopwatch::mnuQuit_Click() {
    close();
}
