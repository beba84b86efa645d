#include "timesheet/Xdts.h"

#include "timesheet/TimingSheet.h"

namespace {

/// A JSON string literal: quotes, backslashes and control characters escaped, the rest as UTF-8.
QByteArray jsonString(const QString& text) {
    QByteArray out = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            out += "\\u00" +
                   QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0');
        } else {
            out += c;
        }
    }
    return out + '"';
}

/// One entry of the track: a cell holding `value` from `frame` on.
void appendCell(QByteArray& out, int64_t frame, const QByteArray& value) {
    if (!out.endsWith('[')) out += ',';
    out += "{\"frame\":" + QByteArray::number(frame) + ",\"data\":[{\"id\":0,\"values\":[" + value +
           "]}]}";
}

}  // namespace

QByteArray XdtsDocument(const std::vector<int32_t>& entries, const QString& name) {
    const int64_t duration = entries.empty() ? 0 : BoundaryFrame(entries.back());
    QByteArray frames = "[";
    frames.reserve(qsizetype(entries.size()) * 56 + 64);
    int64_t start = 0;
    for (std::size_t k = 1; k <= entries.size(); ++k) {
        const int64_t end = BoundaryFrame(entries[k - 1]);
        if (end > start) appendCell(frames, start, '"' + QByteArray::number(qulonglong(k)) + '"');
        start = end;
    }
    appendCell(frames, duration, "\"SYMBOL_NULL_CELL\"");
    frames += ']';
    return "exchangeDigitalTimeSheet Save Data\n"
           "{\"header\":{\"cut\":\"1\",\"scene\":\"1\"},\"version\":5,\"timeTables\":[{\"name\":" +
           jsonString(name) + ",\"duration\":" + QByteArray::number(duration) +
           ",\"timeTableHeaders\":[{\"fieldId\":0,\"names\":[\"A\"]}],\"fields\":[{\"fieldId\":0,"
           "\"tracks\":[{\"trackNo\":0,\"frames\":" +
           frames + "}]}]}]}\n";
}
