// What the program takes from the machine that a test may want to replace: the millisecond
// counter, the critical message box and the program's own directory.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>

namespace platform {

struct Environment {
    /// timeGetTime: milliseconds since a fixed moment, 32 bits, wrapping.
    std::function<uint32_t()> timeGetTime;
    /// Shows a modal critical box with an OK button titled with the application name.
    std::function<void(const QString& text)> showCriticalMessage;
    /// The directory that holds the running program, without a trailing separator.
    QString appPath;
};

/// The real machine: the boot clock, a modal QMessageBox and the executable's directory.
Environment realEnvironment();

}  // namespace platform
