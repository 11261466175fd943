#include "LimitsCommand.h"

#include "NumberText.h"
#include "TableOutput.h"

#include <algorithm>

namespace orvanta::cli {

namespace {

void writeText(const std::vector<ResultRow>& rows, const threads::ThreadLookup& lookup,
               const std::optional<Plating>& plating, std::FILE* out)
{
    if (!lookup.limits) {
        std::fprintf(out, "error: %s\n", lookup.error.c_str());
        return;
    }
    const std::vector<std::pair<const char*, Column>> columns = {
        {"side", Column::Side},
        {"designation", Column::Designation},
        {"basic", Column::Basic},
        {"allowance", Column::Allowance},
        {"class tol.", Column::ClassTolerance},
        {"after-plate max", Column::AfterPlateMax},
        {"after-plate min", Column::AfterPlateMin},
        {"pre-plate max", Column::PrePlateMax},
        {"pre-plate min", Column::PrePlateMin},
    };
    std::vector<std::size_t> widths;
    for (const auto& [title, column] : columns) {
        std::size_t width = std::string_view(title).size();
        for (const ResultRow& row : rows) {
            width = std::max(width, row[column].size());
        }
        widths.push_back(width);
    }
    const auto line = [&](const auto& cellOf) {
        std::string text;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            std::string cell = cellOf(i);
            cell.resize(widths[i], ' ');
            text += (i == 0 ? "" : "  ") + cell;
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        std::fprintf(out, "%s\n", text.c_str());
    };
    writeTextHeading(out, *lookup.limits, shownPlating(plating, Formatting{}));
    line([&](std::size_t i) { return std::string(columns[i].first); });
    for (const ResultRow& row : rows) {
        line([&](std::size_t i) { return row[columns[i].second]; });
    }
    for (const ResultRow& row : rows) {
        if (row.failed()) {
            std::fprintf(out, "%s: %s\n", row[Column::Side].c_str(), row[Column::Error].c_str());
        }
    }
    for (const std::string& note : lookup.limits->notes) {
        std::fprintf(out, "note: %s\n", note.c_str());
    }
}

} // namespace

int runLimits(const LimitsRequest& request, std::FILE* out)
{
    const threads::ThreadLookup lookup = threads::lookUpThread(request.designation);
    const std::optional<Plating> plating =
        lookup.limits ? inThreadUnit(request.plating, lookup.limits->unit) : std::nullopt;
    const std::vector<ResultRow> rows =
        rowsForDesignation(lookup, request.designation, request.rule, plating, Formatting{});
    switch (request.format) {
    case OutputFormat::Csv:
        writeCsvTable(columnNames(), rows, out);
        break;
    case OutputFormat::Json:
        writeJsonTable(columnNames(), rows, out);
        break;
    case OutputFormat::Text:
        writeText(rows, lookup, plating, out);
        break;
    }
    return std::any_of(rows.begin(), rows.end(), [](const ResultRow& row) { return row.failed(); }) ? 1 : 0;
}

} // namespace orvanta::cli
