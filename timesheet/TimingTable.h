// The entries as a table, one row per entry after a header row: No, ms, seconds, frame count,
// that count as 秒+コマ, sheet:second:frame, and the key's length in frames and as 秒+コマ.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

struct TableStyle {
    char separator;
    const char* lineEnd;
    bool byteOrderMark;
};

/// A CSV file as spreadsheets in Japanese locales open it: UTF-8 with a BOM, CRLF.
constexpr TableStyle kCsvFile{',', "\r\n", true};
/// For the clipboard, pasted into a spreadsheet: tab-separated, LF, no BOM.
constexpr TableStyle kTabSeparated{'\t', "\n", false};

QByteArray TimingTable(const std::vector<int32_t>& entries, const TableStyle& style);
