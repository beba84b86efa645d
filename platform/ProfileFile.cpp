#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

#include "platform/RegularFile.h"

namespace platform {

namespace {

/// One line of the file: where its text ends, and where it ends including its line end.
struct Line {
    qsizetype begin;
    qsizetype contentEnd;
    qsizetype end;
};

/// The line that starts at `begin`. LF and CRLF end a line; a lone CR (old Mac files) is an
/// ordinary byte, as it always was here, so that no edit can join a CR to a following LF and
/// merge two lines.
Line lineAt(const QByteArray& data, qsizetype begin) {
    const qsizetype newline = data.indexOf('\n', begin);
    if (newline < 0) return {begin, data.size(), data.size()};
    const bool crlf = newline > begin && data.at(newline - 1) == '\r';
    return {begin, crlf ? newline - 1 : newline, newline + 1};
}

/// The line end to put after `text` when a line follows it: a CR at its end must not become
/// the first half of a CRLF, so it gets a CRLF of its own.
QByteArray lineEndAfter(const QByteArray& text, const QByteArray& eol) {
    return text.endsWith('\r') ? QByteArrayLiteral("\r\n") : eol;
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
    std::vector<Line> keyLines;  // the lines of the key in a matching section
    std::optional<Line> lastLineOfFirstSection;
    QByteArray lineEnding = QByteArrayLiteral("\n");  // the first line's, for lines we add
};

/// Whether the line may open a section: its first byte after blanks is "[". Most lines of a
/// large file are not, and outside our section nothing else about them matters.
bool mayOpenSection(QByteArrayView content) {
    for (const char c : content) {
        if (!isBlank(c)) return c == '[';
    }
    return false;
}

enum class Scan { UpToFirstKeyLine, WholeFile };

/// The start of the next line at or after `begin` that holds a "[": outside our section no
/// other line matters, and the search runs at the speed of a byte search, however short the
/// lines. `begin` is the start of a line; the result is one too, or the end of the data.
qsizetype nextLineWithBracket(const QByteArray& data, qsizetype begin) {
    const qsizetype bracket = data.indexOf('[', begin);
    if (bracket < 0) return data.size();
    return bracket == 0 ? 0 : data.lastIndexOf('\n', bracket - 1) + 1;
}

/// One pass over the file that keeps only the lines a read or a write of the key needs.
KeyPlaces findKey(const QByteArray& data, QByteArrayView section, QByteArrayView key, Scan scan) {
    KeyPlaces places;
    if (const Line first = lineAt(data, 0); first.end > first.contentEnd) {
        places.lineEnding = data.sliced(first.contentEnd, first.end - first.contentEnd);
    }
    bool inSection = false;
    bool inFirstSection = false;
    for (qsizetype begin = 0; begin < data.size();) {
        if (!inSection) begin = std::max(begin, nextLineWithBracket(data, begin));
        if (begin == data.size()) break;
        const Line line = lineAt(data, begin);
        begin = line.end;
        const QByteArrayView content = contentOf(data, line);
        if (!inSection && !mayOpenSection(content)) continue;
        if (const auto name = sectionName(content)) {
            inSection = sameName(*name, section);
            inFirstSection = inSection && !places.lastLineOfFirstSection;
            if (inFirstSection) places.lastLineOfFirstSection = line;
            continue;
        }
        if (!inSection) continue;
        if (inFirstSection && !trimmed(content).isEmpty()) places.lastLineOfFirstSection = line;
        if (const auto pair = keyValue(content); pair && sameName(pair->key, key)) {
            places.keyLines.push_back(line);
            if (scan == Scan::UpToFirstKeyLine) break;
        }
    }
    return places;
}

/// Bytes `from` … `to` of the file replaced by `text`.
struct Splice {
    qsizetype from;
    qsizetype to;
    QByteArray text;
};

std::vector<Splice> keyWritten(const QByteArray& data, const KeyPlaces& places,
                               QByteArrayView section, QByteArrayView key,
                               const std::optional<QByteArray>& value) {
    const QByteArray& eol = places.lineEnding;
    const QByteArray keyLine = key.toByteArray() + '=' + value.value_or(QByteArray());
    if (!value) {
        std::vector<Splice> removals;
        for (const Line& line : places.keyLines) removals.push_back({line.begin, line.end, {}});
        return removals;
    }
    if (!places.keyLines.empty()) {
        const Line& line = places.keyLines.front();
        const qsizetype textStart = contentOf(data, line).data() - data.constData();
        return {{textStart, line.contentEnd, keyLine}};
    }
    if (const auto& last = places.lastLineOfFirstSection) {
        if (last->contentEnd == last->end) {  // the last line of the file, without a line end
            return {{last->end, last->end, lineEndAfter(data, eol) + keyLine}};
        }
        return {{last->end, last->end, keyLine + eol}};
    }
    QByteArray added;
    if (!data.isEmpty() && !data.endsWith('\n')) added = lineEndAfter(data, eol);
    added += '[' + section.toByteArray() + ']' + eol + keyLine + eol;
    return {{data.size(), data.size(), added}};
}

bool changesNothing(const QByteArray& data, const std::vector<Splice>& splices) {
    return std::all_of(splices.begin(), splices.end(), [&](const Splice& splice) {
        return QByteArrayView(splice.text) ==
               QByteArrayView(data).sliced(splice.from, splice.to - splice.from);
    });
}

/// The new content as pieces of the old one and the spliced-in texts, so that a large file is
/// written out without being copied first.
std::vector<QByteArrayView> piecesOf(const QByteArray& data, const std::vector<Splice>& splices) {
    const QByteArrayView whole(data);
    std::vector<QByteArrayView> pieces;
    qsizetype at = 0;
    for (const Splice& splice : splices) {
        pieces.push_back(whole.sliced(at, splice.from - at));
        pieces.push_back(splice.text);
        at = splice.to;
    }
    pieces.push_back(whole.sliced(at));
    return pieces;
}

/// Whether a file or directory must not be written: no write permission for us, or no write
/// bit at all (a user who removed every write bit means "leave it alone", also to root).
bool writeProtected(const QFileInfo& info) {
    // The mode bits only: the toolkit's "user" permission asks access(), which says yes to root.
    const QFile::Permissions anyWriteBit =
        QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !info.isWritable() || !(info.permissions() & anyWriteBit);
}

/// A link that leads out of the program's folder to a file that is not a settings file (no
/// section of ours in it) is never written: as root, that could be any file on the system.
bool foreignLinkTarget(const QString& path, const QString& target, const KeyPlaces& places) {
    if (places.lastLineOfFirstSection) return false;
    return QFileInfo(path).absoluteDir().canonicalPath() != QFileInfo(target).absolutePath();
}

}  // namespace

QByteArray readProfileString(const QString& path, const QByteArray& section, const QByteArray& key,
                             const QByteArray& fallback) {
    const std::optional<QByteArray> data = readRegularFile(path);
    if (!data) return fallback;
    const KeyPlaces places = findKey(*data, section, key, Scan::UpToFirstKeyLine);
    if (places.keyLines.empty()) return fallback;
    QByteArrayView value = keyValue(contentOf(*data, places.keyLines.front()))->value;
    if (const qsizetype nul = value.indexOf('\0'); nul >= 0) value = value.first(nul);
    return value.first(std::min(value.size(), kProfileValueLimit)).toByteArray();
}

bool writeProfileString(const QString& path, const QByteArray& section, const QByteArray& key,
                        const std::optional<QByteArray>& value, const FileSystemCalls& calls) {
    const std::optional<QString> target = writeTargetFor(path);
    if (!target) return false;
    const QFileInfo info(*target);
    if (!info.dir().exists() || writeProtected(QFileInfo(info.absolutePath()))) return false;
    const bool exists = info.exists();
    QByteArray data;
    if (exists) {
        std::optional<QByteArray> old =
            writeProtected(info) ? std::nullopt : readRegularFile(*target);
        if (!old) return false;
        data = std::move(*old);
    } else if (!value) {
        return true;  // nothing to remove
    }
    // A value goes to the first line of the key; a removal takes every line of it.
    const KeyPlaces places =
        findKey(data, section, key, value ? Scan::UpToFirstKeyLine : Scan::WholeFile);
    if (exists && foreignLinkTarget(path, *target, places)) return false;
    const std::vector<Splice> splices = keyWritten(data, places, section, key, value);
    if (exists && changesNothing(data, splices)) return true;
    return replaceFileContent(*target, piecesOf(data, splices), calls) == 0;
}

}  // namespace platform
