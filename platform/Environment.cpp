#include "platform/Environment.h"

#include <QApplication>
#include <QMessageBox>

#include "platform/Clock.h"

namespace platform {

Environment realEnvironment() {
    Environment env;
    env.timeGetTime = bootClockMs;
    env.showCriticalMessage = [](const QString& text) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("TamoruWatch"), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    };
    env.appPath = QCoreApplication::applicationDirPath();
    return env;
}

}  // namespace platform
