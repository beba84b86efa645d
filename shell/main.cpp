#include <QApplication>

#include "shell/frmStopwatch.h"

int main(int argc, char** argv) {
    // Keeping the pointer in the window and the window in front need X11: in a Wayland session
    // run through XWayland, unless the user chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    // With shared-memory images the X platform waits for the server after every flush, a round
    // trip per frame; sending the few changed pixels of a frame directly costs far less.
    if (qEnvironmentVariableIsEmpty("QT_XCB_NO_MITSHM")) qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TamoruWatch"));
    frmStopwatch window(platform::realEnvironment());
    window.Form_Load();
    window.showCentered();
    return QApplication::exec();
}
