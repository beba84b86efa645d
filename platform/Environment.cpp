#include "platform/Environment.h"

#include <QApplication>
#include <QFileDialog>
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
    env.chooseSaveFile = [](const QString& title, const QString& folder,
                            const QStringList& filters) -> std::optional<SaveChoice> {
        QString chosenFilter;
        const QString path = QFileDialog::getSaveFileName(
            QApplication::activeWindow(), title, folder, filters.join(QStringLiteral(";;")),
            &chosenFilter, QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty()) return std::nullopt;
        return SaveChoice{path, int(std::max(qsizetype(0), filters.indexOf(chosenFilter)))};
    };
    env.confirmReplace = [](const QString& text) {
        return QMessageBox::question(QApplication::activeWindow(), QStringLiteral("TamoruWatch"),
                                     text, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::No) == QMessageBox::Yes;
    };
    env.showInformation = [](const QString& text) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("TamoruWatch"), text,
                        QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    };
    return env;
}

}  // namespace platform
