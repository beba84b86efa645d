// Writing the run onto a timing sheet: the export to XDTS or CSV, the table for the clipboard,
// and each lap line's key length for its tooltip and for screen readers.
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstring>

#include "platform/Clipboard.h"
#include "platform/RegularFile.h"
#include "shell/frmStopwatch.h"
#include "timesheet/ExportName.h"
#include "timesheet/TimingSheet.h"
#include "timesheet/TimingTable.h"
#include "timesheet/Xdts.h"

namespace {

const QStringList kFilters{QStringLiteral("XDTS タイムシート (*.xdts)"),
                           QStringLiteral("CSV (*.csv)")};

/// The user's Documents folder as the desktop names it, else home.
QString documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

}  // namespace

void frmStopwatch::updateTimesheetExport() {
    mnuExportTimesheet.setEnabled(state.running != kTrue && state.lapTimes.count() > 0);
}

QString frmStopwatch::describeLapLine(int index) const {
    const std::vector<int32_t>& entries = state.lapTimes.values();
    if (index < 0 || std::size_t(index) >= entries.size()) return {};
    const std::size_t k = std::size_t(index) + 1;
    return KeyDescription(k, KeyLength(entries, k));
}

void frmStopwatch::copyTimingTable() {
    if (state.lapTimes.count() == 0) return;  // keep whatever the clipboard holds
    platform::copyTextToClipboard(
        QString::fromUtf8(TimingTable(state.lapTimes.values(), kTabSeparated)));
}

void frmStopwatch::mnuExportTimesheet_Click() {
    if (!mnuExportTimesheet.enabled() || !env().chooseSaveFile) return;
    if (lastExportFolder_.isEmpty()) lastExportFolder_ = documentsFolder();
    const std::optional<platform::SaveChoice> choice =
        env().chooseSaveFile(QStringLiteral("ﾀｲﾑｼｰﾄ書き出し"), lastExportFolder_, kFilters);
    if (!choice) return;
    const ExportTarget target =
        ExportTargetFor(choice->path, choice->filter == 1 ? SheetFormat::Csv : SheetFormat::Xdts);
    lastExportFolder_ = QFileInfo(target.path).absolutePath();
    exportTimesheetTo(target.path, target.format == SheetFormat::Xdts);
}

void frmStopwatch::exportTimesheetTo(const QString& path, bool asXdts) {
    const std::vector<int32_t>& entries = state.lapTimes.values();
    const QString shownPath = QDir::toNativeSeparators(path);
    if (asXdts && BoundaryFrame(entries.back()) == 0) {
        env().showInformation(QStringLiteral(
            "1 コマ以上の長さのキーがないため、XDTS タイムシートに書き出すものがありません。"));
        return;
    }
    if (QFileInfo::exists(path) &&
        !env().confirmReplace(
            QStringLiteral("%1 は既にあります。\n置き換えますか?").arg(shownPath))) {
        return;
    }
    const QByteArray content =
        asXdts ? XdtsDocument(entries, TimeTableName(path)) : TimingTable(entries, kCsvFile);
    if (const int failure = platform::writeRegularFile(path, content)) {
        env().showInformation(QStringLiteral("タイムシートを書き出せませんでした。\n%1\n%2")
                                  .arg(shownPath, QString::fromLocal8Bit(std::strerror(failure))));
    }
}
