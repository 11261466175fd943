// Result rows as CSV (a header, then a row each) or JSON (an array of
// objects with the same keys, empty cells null), for any row whose `cells`
// follow the names given.
#pragma once

#include "CsvWriter.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::cli {

[[nodiscard]] std::string jsonString(std::string_view text);

template <typename Names, typename Row>
void writeCsvTable(const Names& names, const std::vector<Row>& rows, std::FILE* out)
{
    CsvWriter csv(out, ',');
    for (const std::string_view name : names) {
        csv.field(name);
    }
    csv.endRow();
    for (const Row& row : rows) {
        for (const std::string& cell : row.cells) {
            csv.field(cell);
        }
        csv.endRow();
    }
}

template <typename Names, typename Row>
void writeJsonTable(const Names& names, const std::vector<Row>& rows, std::FILE* out)
{
    std::fputs("[\n", out);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::fputs("  {", out);
        for (std::size_t c = 0; c < names.size(); ++c) {
            const std::string& cell = rows[r].cells[c];
            std::fprintf(out, "%s%s: %s", c == 0 ? "" : ", ", jsonString(names[c]).c_str(),
                         cell.empty() ? "null" : jsonString(cell).c_str());
        }
        std::fputs(r + 1 < rows.size() ? "},\n" : "}\n", out);
    }
    std::fputs("]\n", out);
}

} // namespace orvanta::cli
