// The number patterns the program prints with. Separators are always "," and "." whatever the
// user's locale, so lap lines keep their columns everywhere.
#pragma once

#include <QString>
#include <cstdint>
#include <string_view>

/// A number's text in a small fixed buffer, built without allocating (the lap list renders
/// tens of thousands of these per rebuild).
class NumberText {
public:
    /// "#,##0": digits grouped by three with ",".
    static NumberText grouped(int64_t value);
    /// "#,##0.000" applied to ms / 1000: grouped whole seconds, ".", three decimals.
    static NumberText secondsGrouped(int64_t ms);
    /// Plain decimal digits.
    static NumberText plain(int64_t value);

    std::u16string_view view() const { return {buffer_ + start_, std::size_t(kSize - start_)}; }
    QString toString() const { return QString::fromUtf16(buffer_ + start_, kSize - start_); }

private:
    void prepend(char16_t c) { buffer_[--start_] = c; }
    void prependDigits(uint64_t magnitude, bool grouped, int minimumDigits);

    static constexpr int kSize = 40;
    char16_t buffer_[kSize];
    int start_ = kSize;
};

inline QString formatSecondsGrouped(int32_t ms) {
    return NumberText::secondsGrouped(ms).toString();
}
/// "00000": at least five digits, zero-padded. Non-negative values.
QString formatZeroPadded5(int32_t value);
