// The error trap every coded handler uses: a run-time failure inside shows
// "(CODE:nnn)致命的なエラー発生" and the handler returns normally; what ran before the failure
// keeps its effect, what comes after is skipped, and the caller carries on.
#pragma once

#include <QString>
#include <exception>
#include <functional>

QString fatalErrorText(int code);

template <class Body>
void runTrapped(int code, const std::function<void(const QString&)>& report, Body&& body) {
    try {
        body();
    } catch (const std::exception&) {
        report(fatalErrorText(code));
    }
}
