#include "LimitsCommand.h"

#include "HotDip.h"
#include "NumberText.h"
#include "TableOutput.h"

#include <algorithm>

namespace orvanta::cli {

namespace {

using Lines = std::vector<std::vector<std::string>>;

// Columns padded to their widest cell, two blanks apart; the first line is the header.
void writeAligned(const Lines& lines, std::FILE* out)
{
    std::vector<std::size_t> widths;
    for (const std::vector<std::string>& line : lines) {
        widths.resize(std::max(widths.size(), line.size()));
        for (std::size_t i = 0; i < line.size(); ++i) {
            widths[i] = std::max(widths[i], line[i].size());
        }
    }
    for (const std::vector<std::string>& line : lines) {
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            std::string cell = line[i];
            cell.resize(widths[i], ' ');
            text += (i == 0 ? "" : "  ") + cell;
        }
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        std::fprintf(out, "%s\n", text.c_str());
    }
}

Lines table(const std::vector<std::pair<const char*, Column>>& columns, const std::vector<ResultRow>& rows)
{
    Lines lines(1);
    for (const auto& [title, column] : columns) {
        lines[0].emplace_back(title);
    }
    for (const ResultRow& row : rows) {
        std::vector<std::string>& line = lines.emplace_back();
        for (const auto& [title, column] : columns) {
            line.push_back(row[column]);
        }
    }
    return lines;
}

// The crest and root diameters, a line per side and diameter.
Lines diameterTable(const std::vector<ResultRow>& rows)
{
    Lines lines = {{"side", "diameter", "after-plate max", "after-plate min", "pre-plate max", "pre-plate min"}};
    for (const ResultRow& row : rows) {
        lines.push_back({row[Column::Side], "major", row[Column::AfterPlateMajorMax], row[Column::AfterPlateMajorMin],
                         row[Column::PrePlateMajorMax], row[Column::PrePlateMajorMin]});
        lines.push_back({row[Column::Side], "minor", row[Column::AfterPlateMinorMax], row[Column::AfterPlateMinorMin],
                         row[Column::PrePlateMinorMax], row[Column::PrePlateMinorMin]});
    }
    return lines;
}

void writeText(const std::vector<ResultRow>& rows, const threads::ThreadLookup& lookup, const LimitsRequest& request,
               const Coated& coated, std::FILE* out)
{
    if (!lookup.limits) {
        std::fprintf(out, "error: %s\n", lookup.error.c_str());
        return;
    }
    const std::optional<Plating>& plating = coated.growth;
    writeTextHeading(out, *lookup.limits, shownPlating(plating, Formatting{}), request.coating, coated);
    writeAligned(table({{"side", Column::Side},
                        {"designation", Column::Designation},
                        {"basic", Column::Basic},
                        {"allowance", Column::Allowance},
                        {"class tol.", Column::ClassTolerance},
                        {"after-plate max", Column::AfterPlateMax},
                        {"after-plate min", Column::AfterPlateMin},
                        {"pre-plate max", Column::PrePlateMax},
                        {"pre-plate min", Column::PrePlateMin}},
                       rows),
                 out);
    std::fputs("\n", out);
    writeAligned(diameterTable(rows), out);
    for (const ResultRow& row : rows) {
        if (row.failed()) {
            std::fprintf(out, "%s: %s\n", row[Column::Side].c_str(), row[Column::Error].c_str());
        }
    }
    const bool internalComputed = std::any_of(rows.begin(), rows.end(), [](const ResultRow& row) {
        return row[Column::Side] == "internal" && !row.failed();
    });
    if (lookup.limits->internal && internalComputed) {
        const threads::SideLimits internal = threads::afterPlateLimits(*lookup.limits->internal, request.rule);
        const ShownPlating shown = shownPlating(plating, Formatting{});
        const bool hotDip = request.coating.coating && coatings::isHotDip(*request.coating.coating);
        if (const std::optional<gauging::Check> drill =
                holeDrill(*lookup.limits, internal, hotDip ? std::nullopt : shown.plating)) {
            const std::string text = drill->error.empty() ? drill->name.written(".") + ", " + drill->note.written(".")
                                                          : drill->error.written(".");
            std::fprintf(out, "internal drill: %s\n", text.c_str());
        }
    }
    for (const std::optional<threads::SideLimits>& side : {lookup.limits->external, lookup.limits->internal}) {
        if (side && request.coating.coating && coatings::isHotDip(*request.coating.coating)) {
            const coatings::MadeTo made = coatings::hotDipLimits(*lookup.limits, *side);
            if (made.limits) {
                std::fprintf(out, "%s: %s\n", side->side == ThreadSide::External ? "external" : "internal",
                             made.note.c_str());
            }
        }
        if (side && (plating || coated.leastGrowth)) {
            const coatings::FitCheck fit = checkFit(*lookup.limits, *side, request.coating, coated);
            std::fprintf(out, "%s fit: %s\n", side->side == ThreadSide::External ? "external" : "internal",
                         coatings::fitSentence(fit, lookup.limits->unit, ".").c_str());
        }
    }
    if (lookup.limits->unit == UnitSystem::Inch && lookup.limits->external) {
        std::fprintf(out, "note: %s\n", threads::kUnrMinorNote);
    }
    for (const std::string& note : lookup.limits->notes) {
        std::fprintf(out, "note: %s\n", note.c_str());
    }
}

} // namespace

int runLimits(const LimitsRequest& asked, std::FILE* out)
{
    const threads::ThreadLookup lookup = threads::lookUpThread(asked.designation);
    LimitsRequest request = asked;
    if (std::string error; lookup.limits && !resolveCoating(request.coating, *lookup.limits, error)) {
        std::fprintf(stderr, "orvanta-cli: %s\n", error.c_str());
        return 2;
    }
    const std::optional<Plating> plating =
        lookup.limits ? inThreadUnit(request.plating, lookup.limits->unit) : std::nullopt;
    const std::vector<ResultRow> rows =
        rowsForDesignation(lookup, request.designation, request.rule, plating, Formatting{}, request.coating);
    const Coated coated =
        coatedPlating(request.coating, plating, lookup.limits ? lookup.limits->unit : UnitSystem::Inch);
    switch (request.format) {
    case OutputFormat::Csv:
        writeCsvTable(columnNames(), rows, out);
        break;
    case OutputFormat::Json:
        writeJsonTable(columnNames(), rows, out);
        break;
    case OutputFormat::Text:
        writeText(rows, lookup, request, coated, out);
        break;
    }
    return std::any_of(rows.begin(), rows.end(), [](const ResultRow& row) { return row.failed(); }) ? 1 : 0;
}

} // namespace orvanta::cli
