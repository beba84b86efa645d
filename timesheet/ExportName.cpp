#include "timesheet/ExportName.h"

#include <QFileInfo>

ExportTarget ExportTargetFor(const QString& typed, SheetFormat filter) {
    if (typed.endsWith(QLatin1String(".xdts"), Qt::CaseInsensitive))
        return {typed, SheetFormat::Xdts};
    if (typed.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
        return {typed, SheetFormat::Csv};
    return {typed + (filter == SheetFormat::Xdts ? QLatin1String(".xdts") : QLatin1String(".csv")),
            filter};
}

QString TimeTableName(const QString& path) {
    return QFileInfo(path).completeBaseName();
}
