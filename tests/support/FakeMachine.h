// A machine under the test's control: the counter moves only when the test moves it, message
// boxes and dialogs are recorded and answered by the test instead of shown, and the program
// directory is a fresh temporary one.
#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <optional>

#include "platform/Environment.h"

struct FakeMachine {
    uint32_t now = 1000;
    QStringList messages;
    QTemporaryDir dir;
    /// What the next save dialog returns (nothing: Cancel), and the folders dialogs opened in.
    std::optional<platform::SaveChoice> saveChoice;
    QStringList saveDialogFolders;
    QStringList saveDialogFilters;
    /// The answer to "replace it?", and the questions asked.
    bool replaceAnswer = true;
    QStringList replaceQuestions;
    QStringList informations;

    platform::Environment environment() {
        return {[this] { return now; },
                [this](const QString& text) { messages << text; },
                dir.path(),
                [this](const QString&, const QString& folder, const QStringList& filters) {
                    saveDialogFolders << folder;
                    saveDialogFilters = filters;
                    return saveChoice;
                },
                [this](const QString& text) {
                    replaceQuestions << text;
                    return replaceAnswer;
                },
                [this](const QString& text) { informations << text; }};
    }
    void advance(uint32_t ms) { now += ms; }
};
