#include "InspectCommand.h"

#include "HotDip.h"

#include "Inspection.h"
#include "TableOutput.h"

#include <algorithm>

namespace orvanta::cli {

namespace {

using C = InspectColumn;

std::string padded(std::string text, std::size_t width)
{
    text.resize(std::max(width, text.size()), ' ');
    return text;
}

// One block per side and stage: its checks in columns, then its notes once.
void writeText(const std::vector<InspectRow>& rows, const threads::ThreadLookup& lookup, const InspectChoices& choices,
               std::FILE* out)
{
    if (!lookup.limits) {
        std::fprintf(out, "error: %s\n", rows.front()[C::Error].c_str());
        return;
    }
    const UnitSystem unit = lookup.limits->unit;
    const Coated coated = coatedPlating(choices.coating, inThreadUnit(choices.plating, unit), unit);
    const bool hotDip = choices.coating.coating && coatings::isHotDip(*choices.coating.coating);
    if (!coated.error.empty() && !hotDip) {
        std::fprintf(out, "error: %s\n", coated.error.c_str());
        return;
    }
    writeTextHeading(out, *lookup.limits, shownPlating(coated.growth, Formatting{}), choices.coating, coated);
    const C shown[] = {C::Name, C::Min, C::Max, C::WearLimit, C::Standard};
    const char* titles[] = {"check", "min", "max", "wear limit", "standard"};
    std::size_t widths[std::size(shown)];
    for (std::size_t i = 0; i < std::size(shown); ++i) {
        widths[i] = std::string_view(titles[i]).size();
        for (const InspectRow& row : rows) {
            widths[i] = std::max(widths[i], row[shown[i]].size());
        }
    }
    std::size_t start = 0;
    while (start < rows.size()) {
        std::size_t end = start;
        while (end < rows.size() && rows[end][C::Designation] == rows[start][C::Designation] &&
               rows[end][C::Stage] == rows[start][C::Stage]) {
            ++end;
        }
        const InspectRow& first = rows[start];
        std::fprintf(out, "\n%s %s, %s\n", first[C::Side].c_str(), first[C::Designation].c_str(),
                     first[C::Stage] == gauging::stageName(gauging::Stage::PrePlate) ? "pre-plate band"
                                                                                     : "after plating");
        // A stage the plating leaves no band for has its reason alone, no table.
        const bool table = std::any_of(rows.begin() + static_cast<std::ptrdiff_t>(start),
                                       rows.begin() + static_cast<std::ptrdiff_t>(end),
                                       [](const InspectRow& row) { return !row[C::Name].empty(); });
        std::string line = "  ";
        if (table) {
            for (std::size_t i = 0; i < std::size(shown); ++i) {
                line += padded(titles[i], widths[i] + 2);
            }
            std::fprintf(out, "%s\n", line.substr(0, line.find_last_not_of(' ') + 1).c_str());
        }
        std::vector<std::string> notes;
        for (std::size_t r = start; r < end; ++r) {
            const InspectRow& row = rows[r];
            line = "  ";
            for (std::size_t i = 0; i < std::size(shown); ++i) {
                line += padded(row[shown[i]], widths[i] + 2);
            }
            if (!row[C::Name].empty()) {
                std::fprintf(out, "%s\n", line.substr(0, line.find_last_not_of(' ') + 1).c_str());
            }
            // Gauges share their notes; a tap's note and any error belong to
            // their own check, so they carry its name.
            const bool tap = row[C::Item] == "tap";
            for (const auto& [text, own] : {std::pair{&row[C::Error], true}, std::pair{&row[C::Note], tap}}) {
                const std::string note =
                    text->empty() || !own || row[C::Name].empty() ? *text : row[C::Name] + ": " + *text;
                if (!note.empty() && std::find(notes.begin(), notes.end(), note) == notes.end()) {
                    notes.push_back(note);
                }
            }
        }
        for (const std::string& note : notes) {
            std::fprintf(out, "  - %s\n", note.c_str());
        }
        start = end;
    }
    for (const std::string& note : lookup.limits->notes) {
        std::fprintf(out, "note: %s\n", note.c_str());
    }
}

} // namespace

int runInspect(const InspectRequest& asked, std::FILE* out)
{
    const threads::ThreadLookup lookup = threads::lookUpThread(asked.designation);
    InspectRequest request = asked;
    if (std::string error; lookup.limits && !resolveCoating(request.choices.coating, *lookup.limits, error)) {
        std::fprintf(stderr, "orvanta-cli: %s\n", error.c_str());
        return 2;
    }
    const std::vector<InspectRow> rows = inspectRows(lookup, request.designation, request.choices, Formatting{});
    switch (request.format) {
    case OutputFormat::Csv:
        writeCsvTable(inspectColumnNames(), rows, out);
        break;
    case OutputFormat::Json:
        writeJsonTable(inspectColumnNames(), rows, out);
        break;
    case OutputFormat::Text:
        writeText(rows, lookup, request.choices, out);
        break;
    }
    return std::any_of(rows.begin(), rows.end(), [](const InspectRow& row) { return row.failed(); }) ? 1 : 0;
}

} // namespace orvanta::cli
