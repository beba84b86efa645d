// Which file an export goes to and in which format, from the name typed in the save dialog and
// the filter chosen there.
#pragma once

#include <QString>

enum class SheetFormat { Xdts, Csv };

struct ExportTarget {
    QString path;
    SheetFormat format;
};

/// A typed ".xdts" or ".csv" (in any case) chooses the format whatever the filter; any other
/// name, also one with dots of its own ("c01.s02"), gets the filter's extension appended.
ExportTarget ExportTargetFor(const QString& typed, SheetFormat filter);

/// The name a time table gets inside the file: the file's name without its last extension.
QString TimeTableName(const QString& path);
