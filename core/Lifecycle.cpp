// Start-up and shutdown of the window.
#include "dial/DialGeometry.h"
#include "platform/RegularFile.h"
#include "shell/frmStopwatch.h"

void frmStopwatch::Form_Load() {
    trap(4, [this] {
        setCaption(QStringLiteral("Tamoru Watch"));
        lblTime.setCaption(QStringLiteral("0.000"));
        clearMeasurement(state);
        updateTimesheetExport();
        LoadSettings();
        SetLapType(state.lapType);
        ApplyAnalogScale(state.analogScale);
        ApplyWindowFront(state.windowForceFront);
        // A window remembered as kept in front opens in front.
        if (state.windowForceFront == 1) setKeepAbove(true);
        // A missing or unreadable sound file, or one that isn't a regular file, only means
        // silence; it is never created.
        state.tickSoundData = platform::readRegularFile(env().appPath + QStringLiteral("/tick.wav"))
                                  .value_or(QByteArray());
        imgWatch.setSize(250 * twipsPerPixelX(), 250 * twipsPerPixelY());
        state.analogColorRgb = ColorValueFromText(state.analogColor);
        drawRestingNumerals();
        if (state.behaviorMode != 0) {
            mnuBehaviorLap_Click();
        } else {
            mnuBehaviorNormal_Click();
        }
        if (state.playSound == 1) {
            mnuSoundOn_Click();
        } else {
            mnuSoundOff_Click();
        }
        if (state.showButton == 0) mnuShowButton_Click();
        if (state.showDigital == 0) mnuShowDigitalWatch_Click();
        if (state.showAnalog == 1) {
            DrawHand(0);
        } else {
            mnuShowAnalogWatch_Click();
        }
        ArrangeControls();
    });
}

void frmStopwatch::Form_Unload() {
    trap(5, [this] {
        // A run still going is discarded; the user's pointer is freed with it.
        clipCursor(std::nullopt);
        tickSound.stop();
        SaveSettings();
    });
}

void frmStopwatch::mnuQuit_Click() {
    close();
}
