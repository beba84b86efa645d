// A stopwatch window on a fake machine, loaded as at start-up, for handler tests.
#pragma once

#include <QStringList>
#include <memory>

#include "shell/frmStopwatch.h"
#include "support/FakeMachine.h"
#include "support/SettingsFiles.h"

struct LoadedWindow {
    FakeMachine machine;
    std::unique_ptr<frmStopwatch> form;

    /// Loaded without a settings file: every setting 0, the panels hidden.
    LoadedWindow() : LoadedWindow(QByteArray()) {}
    /// Loaded from the given settings file.
    explicit LoadedWindow(const QByteArray& settings) {
        if (!settings.isNull()) writeFile(machine.dir.filePath("TamoruWatch.ini"), settings);
        form = std::make_unique<frmStopwatch>(machine.environment());
        form->Form_Load();
        machine.messages.clear();
    }
    frmStopwatch* operator->() { return form.get(); }
    StopwatchState& state() { return form->state; }

    QStringList listLines() const {
        QStringList lines;
        for (int i = 0; i < form->lstLap.listCount(); ++i) lines << form->lstLap.list(i);
        return lines;
    }
    std::vector<int32_t> laps() const {
        std::vector<int32_t> values;
        for (int i = 0; i < form->state.lapTimes.count(); ++i) {
            values.push_back(form->state.lapTimes.at(i));
        }
        return values;
    }
};
