#include "CsvWriter.h"

#include <csv.h>

#include <algorithm>

namespace orvanta::cli {

CsvWriter::CsvWriter(std::FILE* out, char delimiter)
    : m_out(out)
    , m_delimiter(delimiter)
{
    for (const char c : {delimiter, '"', '\r', '\n'}) {
        m_needsQuotes[static_cast<unsigned char>(c)] = true;
    }
}

void CsvWriter::field(std::string_view text)
{
    if (m_rowStarted) {
        m_row.push_back(m_delimiter);
    }
    m_rowStarted = true;
    const bool plain =
        std::none_of(text.begin(), text.end(), [this](char c) { return m_needsQuotes[static_cast<unsigned char>(c)]; });
    if (plain) {
        m_row.append(text);
        return;
    }
    const std::size_t start = m_row.size();
    m_row.resize(start + text.size() * 2 + 2);
    const std::size_t size = csv_write(m_row.data() + start, text.size() * 2 + 2, text.data(), text.size());
    m_row.resize(start + size);
}

void CsvWriter::endRow()
{
    m_row.push_back('\n');
    std::fwrite(m_row.data(), 1, m_row.size(), m_out);
    m_row.clear();
    m_rowStarted = false;
}

} // namespace orvanta::cli
