#include "platform/SessionEnd.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <array>
#include <cerrno>
#include <csignal>

namespace platform {

namespace {

int signalPipe[2] = {-1, -1};

/// Only async-signal-safe work here: one byte into the pipe the event loop watches.
void onSignal(int signalNumber) {
    const int saved = errno;
    const char byte = char(signalNumber);
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

constexpr std::array<int, 3> kClosingSignals{SIGTERM, SIGINT, SIGHUP};

}  // namespace

void closeOnTerminationSignals(std::function<void()> close) {
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [close = std::move(close)] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        close();
    });
    struct sigaction action {};
    action.sa_handler = &onSignal;
    sigemptyset(&action.sa_mask);
    // SA_RESETHAND: the handler serves once; a second signal has its default effect.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signalNumber : kClosingSignals) {
        struct sigaction previous {};
        ::sigaction(signalNumber, nullptr, &previous);
        // Started under nohup, the program keeps ignoring the hang-up it was meant to survive.
        if (signalNumber == SIGHUP && previous.sa_handler == SIG_IGN) continue;
        ::sigaction(signalNumber, &action, nullptr);
    }
}

void saveOnSessionRequest(std::function<void()> save) {
    auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!application) return;
    // Saving settings needs no interaction, so the logout is never held up.
    QObject::connect(application, &QGuiApplication::saveStateRequest, application,
                     [save](QSessionManager&) { save(); });
    QObject::connect(application, &QGuiApplication::commitDataRequest, application,
                     [save = std::move(save)](QSessionManager&) { save(); });
}

}  // namespace platform
