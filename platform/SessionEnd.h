// The ways a desktop ends a program besides its own 終了: a signal (kill, Ctrl-C, a closed
// terminal, a logout that signals its programs) and the session manager.
#pragma once

#include <functional>

namespace platform {

/// Turns SIGTERM, SIGINT and SIGHUP into a call of `close` on the event loop, so that they end
/// the program as its own close does. A second signal while that close runs ends the program at
/// once, as an impatient user expects. Call once, after the application object exists.
void closeOnTerminationSignals(std::function<void()> close);

/// When the session manager asks the program to save its state (before a logout, which may
/// still be cancelled), `save` runs; when the session really ends, the toolkit closes the
/// windows as their own close does.
void saveOnSessionRequest(std::function<void()> save);

}  // namespace platform
