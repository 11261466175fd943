#include "ResultRow.h"

namespace orvanta::cli {

const std::array<std::string_view, kColumnCount>& columnNames()
{
    static constexpr std::array<std::string_view, kColumnCount> kNames = {"designation",
                                                                          "side",
                                                                          "unit",
                                                                          "basic",
                                                                          "allowance",
                                                                          "class_tolerance",
                                                                          "after_plate_max",
                                                                          "after_plate_min",
                                                                          "plating_min",
                                                                          "plating_max",
                                                                          "pre_plate_max",
                                                                          "pre_plate_min",
                                                                          "error"};
    return kNames;
}

namespace {

void fillSuggestion(ResultRow& row, ThreadSide side, std::optional<double> afterPlateMax,
                    std::optional<double> afterPlateMin, const std::optional<Plating>& plating,
                    const Formatting& format)
{
    const auto text = [&](std::optional<double> value) {
        return value ? formatPitchValue(*value, format.decimalSeparator) : std::string();
    };
    SideEntry entry{afterPlateMax, afterPlateMin, std::nullopt, std::nullopt};
    if (plating) {
        entry.maxThickness = plating->max;
        entry.minThickness = plating->min;
    }
    const SideSuggestion suggestion = suggestSide(side, entry);
    row[Column::AfterPlateMax] = text(suggestion.entry.afterPlateMax);
    row[Column::AfterPlateMin] = text(suggestion.entry.afterPlateMin);
    row[Column::PlatingMin] = text(suggestion.entry.minThickness);
    row[Column::PlatingMax] = text(suggestion.entry.maxThickness);
    row[Column::PrePlateMax] = text(suggestion.limits.preplateMax);
    row[Column::PrePlateMin] = text(suggestion.limits.preplateMin);
    row[Column::Error] = suggestion.error;
}

const char* sideName(ThreadSide side)
{
    return side == ThreadSide::External ? "external" : "internal";
}

const char* unitName(UnitSystem unit)
{
    return unit == UnitSystem::Inch ? "in" : "mm";
}

} // namespace

std::vector<ResultRow> rowsForDesignation(const threads::ThreadLookup& lookup, std::string_view written,
                                          threads::AfterPlate rule, const std::optional<Plating>& plating,
                                          const Formatting& format)
{
    std::vector<ResultRow> rows;
    if (!lookup.limits) {
        ResultRow row;
        row[Column::Designation] = written;
        row[Column::Error] = lookup.error;
        rows.push_back(std::move(row));
        return rows;
    }
    for (const std::optional<threads::SideLimits>& classLimits : {lookup.limits->external, lookup.limits->internal}) {
        if (!classLimits) {
            continue;
        }
        const threads::SideLimits limits = threads::afterPlateLimits(*classLimits, rule);
        ResultRow row;
        row[Column::Designation] = limits.designation;
        row[Column::Side] = sideName(limits.side);
        row[Column::Unit] = unitName(lookup.limits->unit);
        row[Column::Basic] = formatPitchValue(limits.basic, format.decimalSeparator);
        row[Column::Allowance] = formatPitchValue(limits.allowance, format.decimalSeparator);
        row[Column::ClassTolerance] = formatPitchValue(limits.classTolerance, format.decimalSeparator);
        fillSuggestion(row, limits.side, limits.max, limits.min, plating, format);
        rows.push_back(std::move(row));
    }
    return rows;
}

ResultRow rowForLimits(ThreadSide side, UnitSystem unit, std::optional<double> afterPlateMax,
                       std::optional<double> afterPlateMin, const std::optional<Plating>& plating,
                       const Formatting& format)
{
    ResultRow row;
    row[Column::Side] = sideName(side);
    row[Column::Unit] = unitName(unit);
    fillSuggestion(row, side, afterPlateMax, afterPlateMin, plating, format);
    return row;
}

} // namespace orvanta::cli
