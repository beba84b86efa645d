// Settings files for tests: the shipped defaults and small edits of them.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

inline const QByteArray kDefaultSettings =
    "[TamoruWatch]\nShowbutton=1\nShowDigital=1\nShowAnalog=1\nLapType=1\nAnalogScale=1\n"
    "AnalogColor=FF0000\nWindowForceFront=0\nBehaviorMode=0\nPlaySound=1\n";

/// The default file with one key's line replaced (or removed when `line` is empty).
inline QByteArray settingsWith(const QByteArray& key, const QByteArray& line) {
    QByteArray out;
    for (const QByteArray& existing : kDefaultSettings.split('\n')) {
        if (existing.isEmpty()) continue;
        if (existing.startsWith(key + '=')) {
            if (!line.isEmpty()) out += line + '\n';
        } else {
            out += existing + '\n';
        }
    }
    return out;
}

inline void writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(data);
}

inline QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}
