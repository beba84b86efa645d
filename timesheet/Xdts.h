// The entries as an XDTS (eXchange Digital Time Sheet) file, the exchange format digital
// timesheet tools read: one track "A" whose cell k starts on the first frame of key k and holds
// until the next; an empty cell ends the last key.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

/// The whole file: its first line, then one JSON object, UTF-8 without BOM. `name` is the
/// time table's name. Keys of no length are left out (two cells can't share a frame); call
/// only when the last entry's boundary frame is above 0.
QByteArray XdtsDocument(const std::vector<int32_t>& entries, const QString& name);
