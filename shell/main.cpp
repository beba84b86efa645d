#include <QApplication>

#include "platform/DisplayPlatform.h"
#include "platform/SessionEnd.h"
#include "shell/frmStopwatch.h"

int main(int argc, char** argv) {
    platform::chooseDisplayPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TamoruWatch"));
    frmStopwatch window(platform::realEnvironment());
    window.Form_Load();
    // Killed, interrupted, hung up or logged out, the program closes as through its own 終了:
    // sound silenced, pointer freed, settings saved.
    platform::closeOnTerminationSignals([&window] { window.close(); });
    platform::saveOnSessionRequest([&window] { window.SaveSettings(); });
    window.showCentered();
    platform::tellWhatThisPlatformLacks(&window);
    return QApplication::exec();
}
