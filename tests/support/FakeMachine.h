// A machine under the test's control: the counter moves only when the test moves it, message
// boxes are recorded instead of shown, and the program directory is a fresh temporary one.
#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include "platform/Environment.h"

struct FakeMachine {
    uint32_t now = 1000;
    QStringList messages;
    QTemporaryDir dir;

    platform::Environment environment() {
        return {[this] { return now; }, [this](const QString& text) { messages << text; },
                dir.path()};
    }
    void advance(uint32_t ms) { now += ms; }
};
