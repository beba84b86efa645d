#include "timesheet/TimingTable.h"

#include <array>

#include "timesheet/TimingSheet.h"

namespace {

constexpr int64_t kFramesPerSheet = 144;

QByteArray secondsText(int32_t ms) {
    return QByteArray::number(ms / 1000) + '.' +
           QByteArray::number(ms % 1000).rightJustified(3, '0');
}

QByteArray sheetSecondFrame(int64_t frames) {
    return QByteArray::number(frames / kFramesPerSheet) + ':' +
           QByteArray::number(frames % kFramesPerSheet / 24) + ':' +
           QByteArray::number(frames % 24);
}

void appendRow(QByteArray& out, const std::array<QByteArray, 8>& cells, const TableStyle& style) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) out += style.separator;
        out += cells[i];
    }
    out += style.lineEnd;
}

}  // namespace

QByteArray TimingTable(const std::vector<int32_t>& entries, const TableStyle& style) {
    QByteArray out = style.byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    out.reserve(qsizetype(entries.size()) * 64 + 128);
    appendRow(out,
              {"No", "ms", "秒", "コマ", "秒+コマ", "シート:秒:コマ", "区間コマ", "区間 秒+コマ"},
              style);
    for (std::size_t k = 1; k <= entries.size(); ++k) {
        const int32_t ms = entries[k - 1];
        const int64_t boundary = BoundaryFrame(ms);
        const int64_t length = KeyLength(entries, k);
        appendRow(out,
                  {QByteArray::number(qulonglong(k)), QByteArray::number(ms), secondsText(ms),
                   QByteArray::number(boundary), SecondsPlusFrames(boundary).toUtf8(),
                   sheetSecondFrame(boundary), QByteArray::number(length),
                   SecondsPlusFrames(length).toUtf8()},
                  style);
    }
    return out;
}
