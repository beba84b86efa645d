#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <vector>

namespace platform {

namespace {

/// One line of the file: its content, and its end including the line terminator.
struct Line {
    qsizetype begin;
    qsizetype contentEnd;
    qsizetype end;
};

std::vector<Line> splitLines(const QByteArray& data) {
    std::vector<Line> lines;
    qsizetype begin = 0;
    while (begin < data.size()) {
        const qsizetype newline = data.indexOf('\n', begin);
        const qsizetype end = newline < 0 ? data.size() : newline + 1;
        qsizetype contentEnd = newline < 0 ? data.size() : newline;
        if (contentEnd > begin && data.at(contentEnd - 1) == '\r' && newline >= 0) --contentEnd;
        lines.push_back({begin, contentEnd, end});
        begin = end;
    }
    return lines;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && isBlank(text.front())) text = text.sliced(1);
    while (!text.isEmpty() && isBlank(text.back())) text.chop(1);
    return text;
}

bool sameName(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() && qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

/// The line's text; a UTF-8 byte order mark at the very start of the file is not part of it.
QByteArrayView contentOf(const QByteArray& data, const Line& line) {
    QByteArrayView content(data.constData() + line.begin, line.contentEnd - line.begin);
    if (line.begin == 0 && content.startsWith("\xEF\xBB\xBF")) content = content.sliced(3);
    return content;
}

std::optional<QByteArrayView> sectionName(QByteArrayView content) {
    const QByteArrayView text = trimmed(content);
    if (!text.startsWith('[')) return std::nullopt;
    const qsizetype close = text.indexOf(']');
    if (close < 0) return std::nullopt;
    return trimmed(text.sliced(1, close - 1));
}

struct KeyValue {
    QByteArrayView key;
    QByteArrayView value;
};

std::optional<KeyValue> keyValue(QByteArrayView content) {
    const qsizetype equals = content.indexOf('=');
    if (equals < 0) return std::nullopt;
    return KeyValue{trimmed(content.first(equals)), trimmed(content.sliced(equals + 1))};
}

/// Where the key's lines are, and where a missing key would go.
struct KeyPlaces {
    std::vector<std::size_t> keyLines;  // every line of the key in a matching section
    std::optional<std::size_t> lastLineOfFirstSection;
};

KeyPlaces findKey(const QByteArray& data, const std::vector<Line>& lines, QByteArrayView section,
                  QByteArrayView key) {
    KeyPlaces places;
    bool inSection = false;
    bool inFirstSection = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QByteArrayView content = contentOf(data, lines[i]);
        if (const auto name = sectionName(content)) {
            inSection = sameName(*name, section);
            inFirstSection = inSection && !places.lastLineOfFirstSection;
            if (inFirstSection) places.lastLineOfFirstSection = i;
            continue;
        }
        if (inFirstSection && !trimmed(content).isEmpty()) places.lastLineOfFirstSection = i;
        if (!inSection) continue;
        if (const auto pair = keyValue(content); pair && sameName(pair->key, key)) {
            places.keyLines.push_back(i);
        }
    }
    return places;
}

QByteArray lineEnding(const QByteArray& data) {
    const qsizetype newline = data.indexOf('\n');
    return newline > 0 && data.at(newline - 1) == '\r' ? QByteArray("\r\n") : QByteArray("\n");
}

QByteArray withKeyWritten(const QByteArray& data, QByteArrayView section, QByteArrayView key,
                          const std::optional<QByteArray>& value) {
    const std::vector<Line> lines = splitLines(data);
    const KeyPlaces places = findKey(data, lines, section, key);
    const QByteArray eol = lineEnding(data);
    const QByteArray keyLine = key.toByteArray() + '=' + value.value_or(QByteArray());
    QByteArray out = data;
    if (!value) {
        for (auto it = places.keyLines.rbegin(); it != places.keyLines.rend(); ++it) {
            out.remove(lines[*it].begin, lines[*it].end - lines[*it].begin);
        }
    } else if (!places.keyLines.empty()) {
        const Line& line = lines[places.keyLines.front()];
        const qsizetype textStart = contentOf(data, line).data() - data.constData();
        out.replace(textStart, line.contentEnd - textStart, keyLine);
    } else if (places.lastLineOfFirstSection) {
        const Line& line = lines[*places.lastLineOfFirstSection];
        if (line.contentEnd == line.end) {  // the last line of the file, without a line end
            out.insert(line.end, eol + keyLine);
        } else {
            out.insert(line.end, keyLine + eol);
        }
    } else {
        if (!out.isEmpty() && !out.endsWith('\n')) out += eol;
        out += '[' + section.toByteArray() + ']' + eol + keyLine + eol;
    }
    return out;
}

/// Whether a file or directory must not be written: no write permission for us, or no write
/// bit at all (a user who removed every write bit means "leave it alone", also to root).
bool writeProtected(const QFileInfo& info) {
    // The mode bits only: the toolkit's "user" permission asks access(), which says yes to root.
    const QFile::Permissions anyWriteBit =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWriteBit);
}

}  // namespace

QByteArray readProfileString(const QString& path, const QByteArray& section, const QByteArray& key,
                             const QByteArray& fallback) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fallback;
    const QByteArray data = file.readAll();
    const std::vector<Line> lines = splitLines(data);
    const KeyPlaces places = findKey(data, lines, section, key);
    if (places.keyLines.empty()) return fallback;
    QByteArrayView value = keyValue(contentOf(data, lines[places.keyLines.front()]))->value;
    if (const qsizetype nul = value.indexOf('\0'); nul >= 0) value = value.first(nul);
    return value.first(std::min(value.size(), kProfileValueLimit)).toByteArray();
}

bool writeProfileString(const QString& path, const QByteArray& section, const QByteArray& key,
                        const std::optional<QByteArray>& value) {
    const QFileInfo target(path);
    if (!target.dir().exists() || writeProtected(QFileInfo(target.absolutePath()))) return false;
    QByteArray data;
    QFile existing(path);
    if (existing.exists()) {
        if (writeProtected(target) || !existing.open(QIODevice::ReadOnly)) return false;
        data = existing.readAll();
        existing.close();
    } else if (!value) {
        return true;  // nothing to remove
    }
    const QByteArray updated = withKeyWritten(data, section, key, value);
    if (updated == data && existing.exists()) return true;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(updated) != updated.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace platform
