#include "laps/TimeNotations.h"

#include "core/NumberFormat.h"

namespace {

/// Builds one lap line in a fixed buffer; the finished line is the only allocation.
class LineBuilder {
public:
    LineBuilder& text(std::u16string_view part) {
        for (char16_t c : part) buffer_[length_++] = c;
        return *this;
    }
    /// Right-aligns a text in a field of `width` characters; a longer text loses its leading
    /// characters, so the field never widens.
    LineBuilder& field(std::u16string_view part, std::size_t width, char16_t pad = u' ') {
        if (part.size() >= width) return text(part.substr(part.size() - width));
        for (std::size_t i = part.size(); i < width; ++i) buffer_[length_++] = pad;
        return text(part);
    }
    LineBuilder& number(int64_t value, std::size_t width, char16_t pad = u' ') {
        return field(NumberText::plain(value).view(), width, pad);
    }
    QString line() const { return QString::fromUtf16(buffer_, length_); }

private:
    char16_t buffer_[32];
    qsizetype length_ = 0;
};

/// A value of 1 or more right-aligned in 2 columns followed by its unit, or a blank field as
/// wide as a filled one.
void hmsField(LineBuilder& line, int32_t value, std::u16string_view unit) {
    if (value > 0) {
        line.number(value, 2).text(unit);
    } else {
        line.text(u"  　");
    }
}

}  // namespace

int32_t FrameInSecond(int32_t msInSecond) {
    return msInSecond == 0 ? 0 : (24 * msInSecond - 1) / 1000;
}

QString FormatLapSec(int32_t ms) {
    return LineBuilder().field(NumberText::secondsGrouped(ms).view(), 10).text(u" 秒").line();
}

QString FormatLapHMS(int32_t ms) {
    const int32_t hours = ms / 3'600'000;
    const int32_t minutes = (ms - hours * 3'600'000) / 60'000;
    const int32_t seconds = (ms - hours * 3'600'000 - minutes * 60'000) / 1'000;
    LineBuilder line;
    hmsField(line, hours, u"時");
    hmsField(line, minutes, u"分");
    hmsField(line, seconds, u"秒");
    return line.number(ms % 1000, 3, u'0').line();
}

QString FormatLapFrame24(int32_t ms) {
    const int32_t frames = (ms / 1000) * 24 + FrameInSecond(ms % 1000);
    return LineBuilder().field(NumberText::grouped(frames).view(), 6).text(u" コマ").line();
}

QString FormatLapSSK(int32_t ms) {
    const int32_t totalSeconds = ms / 1000;
    const int32_t sheet = totalSeconds / 6;
    const int32_t secondInSheet = totalSeconds - 6 * sheet;
    const int32_t frame = FrameInSecond(ms % 1000);
    LineBuilder line;
    if (sheet > 0) {
        line.number(sheet, 3).text(u":");
    } else {
        line.text(u"   :");
    }
    if (secondInSheet > 0 || sheet > 0) {
        line.number(secondInSheet, 2).text(u":");
    } else {
        line.text(u"  :");
    }
    line.number(frame, 2).text(u"K [").number(totalSeconds, 3).text(u":");
    return line.number(frame, 2).text(u"K]").line();
}
