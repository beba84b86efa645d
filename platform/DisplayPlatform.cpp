#include "platform/DisplayPlatform.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QMessageBox>
#include <QtGlobal>

namespace platform {

namespace {

/// Whether DISPLAY names an X server that accepts us (a stale DISPLAY must not win over a
/// working Wayland session).
bool xDisplayOpens() {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return false;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}

}  // namespace

QByteArray displayPlatformFor(const QByteArray& requested, bool xDisplayReachable) {
    if (!xDisplayReachable) return requested;
    const QByteArray first = requested.split(';').first().split(':').first().trimmed();
    if (first.isEmpty() || first.startsWith("wayland")) return QByteArrayLiteral("xcb");
    return requested;
}

void chooseDisplayPlatform() {
    const QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    const QByteArray chosen = displayPlatformFor(requested, xDisplayOpens());
    if (chosen != requested) qputenv("QT_QPA_PLATFORM", chosen);
    // With shared-memory images the X platform waits for the server after every flush, a round
    // trip per frame; sending the few changed pixels of a frame directly costs far less.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
}

void tellWhatThisPlatformLacks(QWidget* window) {
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) return;
    auto* box = new QMessageBox(
        QMessageBox::Information, QStringLiteral("TamoruWatch"),
        QStringLiteral(
            "この画面 (Wayland) では、計測中にマウスポインタをウィンドウ内に留めることと、"
            "ウィンドウを常に手前に表示することができません。\n"
            "X11 (Xwayland) が使える環境で起動すると、どちらも使えます。"),
        QMessageBox::Ok, window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // A note, not a question: the stopwatch can be used while it is open.
    box->setWindowModality(Qt::NonModal);
    box->show();
}

}  // namespace platform
