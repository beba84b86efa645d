#include <QApplication>

#include "shell/frmStopwatch.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TamoruWatch"));
    frmStopwatch window(platform::realEnvironment());
    window.Form_Load();
    window.showCentered();
    return QApplication::exec();
}
