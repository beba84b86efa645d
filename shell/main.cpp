#include <QApplication>

#include "platform/DisplayPlatform.h"
#include "shell/frmStopwatch.h"

int main(int argc, char** argv) {
    platform::chooseDisplayPlatform();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TamoruWatch"));
    frmStopwatch window(platform::realEnvironment());
    window.Form_Load();
    window.showCentered();
    return QApplication::exec();
}
