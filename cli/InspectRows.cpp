#include "InspectRows.h"

#include "Inspection.h"

namespace orvanta::cli {

const std::array<std::string_view, kInspectColumnCount>& inspectColumnNames()
{
    static constexpr std::array<std::string_view, kInspectColumnCount> kNames = {
        "designation", "side", "unit",       "stage",    "item", "name",
        "min",         "max",  "wear_limit", "standard", "note", "error"};
    return kNames;
}

namespace {

using C = InspectColumn;

std::string number(double value, const Formatting& format)
{
    return formatPitchValue(value, format.decimalSeparator);
}

InspectRow sideRow(const threads::ThreadLimits& thread, const threads::SideLimits& side, const char* stage)
{
    InspectRow row;
    row[C::Designation] = side.designation;
    row[C::Side] = side.side == ThreadSide::External ? "external" : "internal";
    row[C::Unit] = thread.unit == UnitSystem::Inch ? "in" : "mm";
    row[C::Stage] = stage;
    return row;
}

void addChecks(std::vector<InspectRow>& rows, const InspectRow& base, const std::vector<gauging::Check>& checks,
               const Formatting& format)
{
    for (const gauging::Check& check : checks) {
        InspectRow row = base;
        row[C::Item] = gauging::itemName(check.item);
        row[C::Name] = check.name;
        row[C::Standard] = check.standard;
        row[C::Note] = check.note;
        if (!check.error.empty()) {
            row[C::Error] = check.error;
        } else {
            row[C::Min] = number(check.min, format);
            row[C::Max] = number(check.max, format);
            if (check.wearLimit) {
                row[C::WearLimit] = number(*check.wearLimit, format);
            }
        }
        rows.push_back(std::move(row));
    }
}

} // namespace

std::vector<InspectRow> inspectRows(const threads::ThreadLookup& lookup, std::string_view written,
                                    const InspectChoices& choices, const Formatting& format)
{
    std::vector<InspectRow> rows;
    if (!lookup.limits) {
        InspectRow row;
        row[C::Designation] = written;
        row[C::Error] = lookup.error;
        rows.push_back(std::move(row));
        return rows;
    }
    const threads::ThreadLimits& thread = *lookup.limits;
    gauging::Options options;
    if (choices.wire) {
        options.wire = inThreadUnit(*choices.wire, thread.unit);
    }
    for (const std::optional<threads::SideLimits>& classLimits : {thread.external, thread.internal}) {
        if (!classLimits) {
            continue;
        }
        // The bands as the calculator shows and works them: four decimals.
        const threads::SideLimits side = threads::afterPlateLimits(*classLimits, choices.rule);
        const double max = asDisplayed(side.max);
        const double min = asDisplayed(side.min);
        addChecks(rows, sideRow(thread, side, "after_plate"), gauging::inspect(thread, side, {min, max}, options),
                  format);
        const std::optional<Plating> plating = inThreadUnit(choices.plating, thread.unit);
        if (!plating) {
            continue;
        }
        const SideEntry entry{max, min, asDisplayed(plating->max), asDisplayed(plating->min)};
        const SideSuggestion suggestion = suggestShownSide(side.side, entry);
        const InspectRow base = sideRow(thread, side, "pre_plate");
        if (!suggestion.error.empty() || !suggestion.limits.preplateMax || !suggestion.limits.preplateMin) {
            InspectRow row = base;
            row[C::Error] = suggestion.error.empty() ? std::string(kPlateTooGreatMessage) : suggestion.error;
            rows.push_back(std::move(row));
            continue;
        }
        const gauging::Band band{asDisplayed(*suggestion.limits.preplateMin),
                                 asDisplayed(*suggestion.limits.preplateMax), true};
        addChecks(rows, base, gauging::inspect(thread, side, band, options), format);
    }
    return rows;
}

} // namespace orvanta::cli
