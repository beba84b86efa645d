// Whole-file reading for the resources the program keeps in memory.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/// The whole content of a file; empty when it is missing, unreadable or empty. Never creates it.
QByteArray readWholeFile(const QString& path);

}  // namespace platform
