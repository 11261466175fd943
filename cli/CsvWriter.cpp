#include "CsvWriter.h"

#include <csv.h>

namespace orvanta::cli {

CsvWriter::CsvWriter(std::FILE* out, char delimiter)
    : m_out(out)
    , m_delimiter(delimiter)
{
}

void CsvWriter::field(std::string_view text)
{
    if (m_rowStarted) {
        std::fputc(m_delimiter, m_out);
    }
    m_rowStarted = true;
    if (text.find_first_of(std::string{m_delimiter, '"', '\r', '\n'}) == std::string_view::npos) {
        std::fwrite(text.data(), 1, text.size(), m_out);
        return;
    }
    m_quoted.resize(text.size() * 2 + 2);
    const std::size_t size = csv_write(m_quoted.data(), m_quoted.size(), text.data(), text.size());
    std::fwrite(m_quoted.data(), 1, size, m_out);
}

void CsvWriter::endRow()
{
    std::fputc('\n', m_out);
    m_rowStarted = false;
}

} // namespace orvanta::cli
