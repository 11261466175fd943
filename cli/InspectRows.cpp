#include "InspectRows.h"

#include "HotDip.h"
#include "Inspection.h"
#include "PlatedDiameters.h"

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

InspectRow sideRow(const threads::ThreadLimits& thread, const threads::SideLimits& side, gauging::Stage stage)
{
    InspectRow row;
    row[C::Designation] = side.designation;
    row[C::Side] = side.side == ThreadSide::External ? "external" : "internal";
    row[C::Unit] = thread.unit == UnitSystem::Inch ? "in" : "mm";
    row[C::Stage] = gauging::stageName(stage);
    return row;
}

void addChecks(std::vector<InspectRow>& rows, const InspectRow& base, const std::vector<gauging::Check>& checks,
               const Formatting& format)
{
    const std::string& separator = format.decimalSeparator;
    for (const gauging::Check& check : checks) {
        InspectRow row = base;
        row[C::Item] = gauging::itemName(check.item);
        row[C::Name] = check.name.written(separator);
        row[C::Standard] = check.standard;
        row[C::Note] = check.note.written(separator);
        if (!check.error.empty()) {
            row[C::Error] = check.error.written(separator);
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
    // Hot-dip galvanized threads are checked at the limits they are made to:
    // the galvanizing class, or the nut tapped oversize after galvanizing.
    if (choices.coating.coating && coatings::isHotDip(*choices.coating.coating)) {
        for (const std::optional<threads::SideLimits>& classLimits : {thread.external, thread.internal}) {
            if (!classLimits) {
                continue;
            }
            const coatings::MadeTo made = coatings::hotDipLimits(thread, *classLimits);
            if (!made.limits) {
                InspectRow row = sideRow(thread, *classLimits, gauging::Stage::AfterPlate);
                row[C::Error] = made.error;
                rows.push_back(std::move(row));
                continue;
            }
            gauging::SideBands bands;
            bands.afterPlate = {asDisplayed(made.limits->min), asDisplayed(made.limits->max),
                                gauging::Stage::AfterPlate, made.limits->minor};
            // A bolt is made before galvanizing, a nut tapped after it.
            const gauging::Stage madeAt =
                made.limits->side == ThreadSide::External ? gauging::Stage::PrePlate : gauging::Stage::AfterPlate;
            for (const gauging::StageChecks& stage : gauging::inspectSide(thread, *made.limits, bands, options)) {
                addChecks(rows, sideRow(thread, *made.limits, madeAt), stage.checks, format);
            }
        }
        return rows;
    }
    // The bands move by the coating's growth, which is the plating's own thickness when no coating is named.
    const Coated coated = coatedPlating(choices.coating, inThreadUnit(choices.plating, thread.unit), thread.unit);
    if (!coated.error.empty()) {
        InspectRow row;
        row[C::Designation] = written;
        row[C::Error] = coated.error;
        rows.push_back(std::move(row));
        return rows;
    }
    const std::optional<Plating>& plating = coated.growth;
    for (const std::optional<threads::SideLimits>& classLimits : {thread.external, thread.internal}) {
        if (!classLimits) {
            continue;
        }
        // The bands as the calculator shows and works them: four decimals.
        const threads::SideLimits side = threads::afterPlateLimits(*classLimits, choices.rule);
        gauging::SideBands bands;
        bands.afterPlate = {asDisplayed(side.min), asDisplayed(side.max), gauging::Stage::AfterPlate, side.minor};
        std::string plateError;
        if (plating) {
            bands.plated = true;
            const double minThickness = asDisplayed(plating->min);
            const double maxThickness = asDisplayed(plating->max);
            const SideEntry entry{bands.afterPlate.max, bands.afterPlate.min, maxThickness, minThickness};
            const SideSuggestion suggestion = suggestShownSide(side.side, entry);
            if (!suggestion.error.empty() || !suggestion.limits.preplateMax || !suggestion.limits.preplateMin) {
                plateError = suggestion.error.empty() ? std::string(kPlateTooGreatMessage) : suggestion.error;
            } else {
                bands.prePlate = gauging::Band{asDisplayed(*suggestion.limits.preplateMin),
                                               asDisplayed(*suggestion.limits.preplateMax), gauging::Stage::PrePlate,
                                               threads::prePlateDiameters(side, minThickness, maxThickness).minor};
            }
        }
        for (const gauging::StageChecks& stage : gauging::inspectSide(thread, side, bands, options)) {
            addChecks(rows, sideRow(thread, side, stage.band.stage), stage.checks, format);
        }
        if (!plateError.empty()) {
            InspectRow row = sideRow(thread, side, gauging::Stage::PrePlate);
            row[C::Error] = plateError;
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

} // namespace orvanta::cli
