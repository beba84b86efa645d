// The stopwatch window: its controls and menu tree, and every handler of the program, each
// defined in the folder of the subsystem that owns it (core/, laps/, dial/, shell/).
#pragma once

#include <functional>

#include "core/ErrorTrap.h"
#include "core/StopwatchState.h"
#include "platform/Form.h"
#include "platform/FrameTimer.h"
#include "platform/Menu.h"
#include "platform/PictureBox.h"
#include "platform/SoundPlayer.h"
#include "platform/Widgets.h"

class frmStopwatch : public platform::Form {
public:
    explicit frmStopwatch(platform::Environment env);

    StopwatchState state;

    // Controls, in creation order: a later one lies above an earlier one.
    platform::PictureBox imgNumber;
    platform::CommandButton cmdLap;
    platform::FrameTimer tmrClock;
    platform::ListBox lstLap;
    platform::CommandButton cmdStart;
    platform::PictureBox imgWatch;
    platform::Label lblTime;

    /// The ticking sound's player.
    platform::SoundPlayer tickSound;

    // The menu tree.
    platform::Menu mnuFile;
    platform::MenuItem mnuExportTimesheet;
    platform::MenuItem mnuQuit;
    platform::Menu mnuSetting;
    platform::Menu mnuBehaviorMode;
    platform::MenuItem mnuBehaviorNormal;
    platform::MenuItem mnuBehaviorLap;
    platform::Menu mnuSound;
    platform::MenuItem mnuSoundOn;
    platform::MenuItem mnuSoundOff;
    platform::Menu mnuShowWatch;
    platform::MenuItem mnuShowButton;
    platform::MenuItem mnuShowDigitalWatch;
    platform::MenuItem mnuShowAnalogWatch;
    platform::Menu mnuShowMode;
    platform::MenuItem mnuShowSec;
    platform::MenuItem mnuShowHMS;
    platform::MenuItem mnuShowFrame24;
    platform::MenuItem mnuShowSSK;
    platform::Menu mnuSecond;
    platform::MenuItem mnu6Sec;
    platform::MenuItem mnu10Sec;
    platform::MenuItem mnu30Sec;
    platform::Menu mnuWindowApearance;
    platform::MenuItem mnuWindowApearanceNormal;
    platform::MenuItem mnuWindowApearanceFront;
    platform::Menu mnuHelp;
    platform::MenuItem mnuShowHelp;

    // Lifecycle (core/Lifecycle.cpp).
    void Form_Load();
    void Form_Unload() override;
    void mnuQuit_Click();

    // Gestures (core/Gestures.cpp).
    void Form_DblClick();
    void imgWatch_DblClick();
    void lblTime_DblClick();
    void lstLap_DblClick();
    void Form_MouseDown(int16_t button, int16_t shift, float x, float y);
    void imgWatch_MouseDown(int16_t button, int16_t shift, float x, float y);
    void lblTime_MouseDown(int16_t button, int16_t shift, float x, float y);
    void lstLap_MouseDown(int16_t button, int16_t shift, float x, float y);

    // Sound setting (core/Sound.cpp).
    void mnuSoundOn_Click();
    void mnuSoundOff_Click();
    void ApplyPlaySound(int32_t value);

    // Engine (core/Engine.cpp).
    void cmdStart_Click();
    void cmdLap_Click();
    void mnuBehaviorNormal_Click();
    void mnuBehaviorLap_Click();
    void ApplyBehaviorMode(int32_t mode);

    // Tick loop (core/TickLoop.cpp).
    void tmrClock_Timer();

    // Dial (dial/Dial.cpp).
    void ApplyAnalogScale(int32_t value);
    void mnu6Sec_Click();
    void mnu10Sec_Click();
    void mnu30Sec_Click();
    void DrawNumeral(int32_t n);
    void DrawHand(int32_t t);

    // Settings file (shell/Settings.cpp).
    std::optional<QString> ReadIniString(const QString& key, const QString& path);
    bool WriteIniString(const std::optional<QString>& value, const QString& key,
                        const QString& path);
    void LoadSettings();
    void SaveSettings();

    // Layout and view toggles (shell/Layout.cpp).
    void ArrangeControls();
    void Form_Resize() override;
    double shortestClientHeight() const override { return lstLap.top(); }
    void mnuShowButton_Click();
    void mnuShowDigitalWatch_Click();
    void mnuShowAnalogWatch_Click();

    // Always-on-top (shell/AlwaysOnTop.cpp).
    void ApplyWindowFront(int32_t value);
    void mnuWindowApearanceFront_Click();
    void mnuWindowApearanceNormal_Click();

    // Lap list (laps/LapList.cpp).
    void SetLapType(int32_t notation);
    void mnuShowSec_Click();
    void mnuShowHMS_Click();
    void mnuShowFrame24_Click();
    void mnuShowSSK_Click();
    /// Ctrl+C: every lap line as shown, to the clipboard as plain text.
    void copyLapLines();

    // Timing sheet (timesheet/Export.cpp).
    /// ﾀｲﾑｼｰﾄ書き出し... (Ctrl+S): the entries as an XDTS or CSV file, chosen in a save dialog.
    void mnuExportTimesheet_Click();
    /// Ctrl+Shift+C: the entries as a tab-separated table with its header row, to the clipboard.
    void copyTimingTable();

private:
    void startRun();
    void stopRun();
    void RecordSplit();
    void resetMeasurement();
    int32_t currentElapsedMs() const;
    void rebuildLapListForLapType();
    /// The export is offered only while stopped with at least one entry.
    void updateTimesheetExport();
    QString describeLapLine(int index) const;
    void exportTimesheetTo(const QString& path, bool asXdts);
    void showLapsIn(int32_t notation);
    void wireHandlers();
    void doubleClickGesture();
    void pressGesture(int16_t button);
    void confineCursorToClientArea();
    QString settingsPath() const;
    void drawRestingNumerals();
    void drawRunningDial(int32_t total);
    /// A view toggle: flips the item's mark, shows or hides its panels, stores the choice and
    /// arranges the window again.
    void toggleView(platform::MenuItem& item, int32_t& setting,
                    const std::function<void(bool)>& show);

    /// Shows a trapped failure's box; counts open boxes so the timer never stacks a second one.
    void reportFailure(const QString& text);
    /// The error trap of a coded handler: a run-time failure inside `body` shows the box with
    /// `code` and the handler returns normally.
    template <class Body>
    void trap(int code, Body&& body) {
        runTrapped(
            code, [this](const QString& text) { reportFailure(text); }, std::forward<Body>(body));
    }

    int openMessageBoxes_ = 0;
    /// Where the next export dialog opens: the folder of the last export in this run.
    QString lastExportFolder_;
    /// The timer reports a failing run once, not on every tick.
    bool tickFailureReported_ = false;
};
