// Writes CSV rows: UTF-8, LF line ends; a field is quoted (by libcsv) only
// when it holds the delimiter, a quote or a line break.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace orvanta::cli {

class CsvWriter {
public:
    CsvWriter(std::FILE* out, char delimiter);

    void field(std::string_view text);
    void endRow();

private:
    std::FILE* m_out;
    char m_delimiter;
    std::array<bool, 256> m_needsQuotes{};
    bool m_rowStarted = false;
    std::string m_row;
};

} // namespace orvanta::cli
