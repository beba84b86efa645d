#include "timesheet/TimingTable.h"

#include "timesheet/TimingSheet.h"

namespace {

constexpr int64_t kFramesPerSheet = 144;

/// Appends straight to the table: a long run has tens of thousands of rows.
class RowWriter {
public:
    RowWriter(QByteArray& out, const TableStyle& style) : out_(out), style_(style) {}
    RowWriter& cell(QByteArrayView text) {
        separate();
        out_ += text;
        return *this;
    }
    RowWriter& number(int64_t value) {
        separate();
        out_ += QByteArray::number(value);
        return *this;
    }
    /// Seconds with three decimals, without grouping: "1.263".
    RowWriter& seconds(int32_t ms) {
        number(ms / 1000);
        out_ += '.';
        out_ += QByteArray::number(ms % 1000).rightJustified(3, '0');
        return *this;
    }
    /// 秒+コマ: "1+12".
    RowWriter& secondsPlusFrames(int64_t frames) {
        number(frames / 24);
        out_ += '+';
        out_ += QByteArray::number(frames % 24);
        return *this;
    }
    /// シート:秒:コマ, unpadded: "0:1:6".
    RowWriter& sheetSecondFrame(int64_t frames) {
        number(frames / kFramesPerSheet);
        out_ += ':';
        out_ += QByteArray::number(frames % kFramesPerSheet / 24);
        out_ += ':';
        out_ += QByteArray::number(frames % 24);
        return *this;
    }
    void end() {
        out_ += style_.lineEnd;
        first_ = true;
    }

private:
    void separate() {
        if (!first_) out_ += style_.separator;
        first_ = false;
    }

    QByteArray& out_;
    const TableStyle& style_;
    bool first_ = true;
};

}  // namespace

QByteArray TimingTable(const std::vector<int32_t>& entries, const TableStyle& style) {
    QByteArray out = style.byteOrderMark ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    out.reserve(qsizetype(entries.size()) * 64 + 128);
    RowWriter row(out, style);
    for (const char* title :
         {"No", "ms", "秒", "コマ", "秒+コマ", "シート:秒:コマ", "区間コマ", "区間 秒+コマ"}) {
        row.cell(title);
    }
    row.end();
    int64_t previous = 0;
    for (std::size_t k = 1; k <= entries.size(); ++k) {
        const int32_t ms = entries[k - 1];
        const int64_t boundary = BoundaryFrame(ms);
        row.number(int64_t(k)).number(ms).seconds(ms).number(boundary);
        row.secondsPlusFrames(boundary).sheetSecondFrame(boundary);
        row.number(boundary - previous).secondsPlusFrames(boundary - previous).end();
        previous = boundary;
    }
    return out;
}
