// The window's error trap, shared by the handler files.
#pragma once

#include "core/ErrorTrap.h"
#include "shell/frmStopwatch.h"

template <class Body>
void frmStopwatch::trap(int code, Body&& body) {
    runTrapped(
        code, [this](const QString& text) { reportFailure(text); }, std::forward<Body>(body));
}
