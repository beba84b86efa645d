// What the program takes from the machine that a test may want to replace: the millisecond
// counter, the critical message box and the program's own directory.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

/// What the user chose in a save dialog: the name as typed (with its folder) and the filter.
struct SaveChoice {
    QString path;
    int filter;  // index into the filters offered
};

struct Environment {
    /// timeGetTime: milliseconds since a fixed moment, 32 bits, wrapping.
    std::function<uint32_t()> timeGetTime;
    /// Shows a modal critical box with an OK button titled with the application name.
    std::function<void(const QString& text)> showCriticalMessage;
    /// The directory that holds the running program, without a trailing separator.
    QString appPath;
    /// A save dialog (the desktop's own where the toolkit offers one) opened in `folder` with
    /// `filters`; nothing when cancelled. It asks nothing about existing files.
    std::function<std::optional<SaveChoice>(const QString& title, const QString& folder,
                                            const QStringList& filters)>
        chooseSaveFile;
    /// Asks whether to replace an existing file; true for yes.
    std::function<bool(const QString& text)> confirmReplace;
    /// A modal box with the information icon and an OK button.
    std::function<void(const QString& text)> showInformation;
};

/// The real machine: the boot clock, a modal QMessageBox and the executable's directory.
Environment realEnvironment();

}  // namespace platform
