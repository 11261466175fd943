#include "ResultRow.h"

#include "HotDip.h"
#include "Inspection.h"
#include "NumberText.h"
#include "PlatedDiameters.h"

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
                                                                          "error",
                                                                          "after_plate_major_max",
                                                                          "after_plate_major_min",
                                                                          "after_plate_minor_max",
                                                                          "after_plate_minor_min",
                                                                          "pre_plate_major_max",
                                                                          "pre_plate_major_min",
                                                                          "pre_plate_minor_max",
                                                                          "pre_plate_minor_min",
                                                                          "drill",
                                                                          "coating",
                                                                          "thickness_min",
                                                                          "thickness_max",
                                                                          "growth_min",
                                                                          "growth_max",
                                                                          "max_growth",
                                                                          "fits"};
    return kNames;
}

namespace {

std::string text(std::optional<double> value, const Formatting& format)
{
    return value ? formatPitchValue(*value, format.decimalSeparator) : std::string();
}

// A display text with the point, in the output's separator.
std::string withSeparator(std::string text, const Formatting& format)
{
    if (format.decimalSeparator != ".") {
        if (const auto point = text.find('.'); point != std::string::npos) {
            text.replace(point, 1, format.decimalSeparator);
        }
    }
    return text;
}

// The plating and pre-plate cells of a side whose after-plate limits are shown.
void fillSuggestion(ResultRow& row, ThreadSide side, std::optional<double> afterPlateMax,
                    std::optional<double> afterPlateMin, const ShownPlating& plating, const Formatting& format)
{
    SideEntry entry{afterPlateMax, afterPlateMin, std::nullopt, std::nullopt};
    if (plating.plating) {
        entry.maxThickness = plating.plating->max;
        entry.minThickness = plating.plating->min;
    }
    SideSuggestion suggestion = suggestShownSide(side, entry);
    row[Column::PlatingMin] = plating.minText;
    row[Column::PlatingMax] = plating.maxText;
    row[Column::PrePlateMax] = withSeparator(std::move(suggestion.preplateMaxText), format);
    row[Column::PrePlateMin] = withSeparator(std::move(suggestion.preplateMinText), format);
    row[Column::Error] = std::move(suggestion.error);
}

void fillDiameters(ResultRow& row, Column max, Column min, const threads::DiameterLimits& limits,
                   const Formatting& format)
{
    row[max] = text(limits.max, format);
    row[min] = text(limits.min, format);
}

// The drill of an internal side's hole, in the band `plating` leaves (the
// thread's own without one): its name, or "none" when no drill lies in it.
void fillDrill(ResultRow& row, const threads::ThreadLimits& thread, const threads::SideLimits& limits,
               const std::optional<Plating>& plating, const Formatting& format)
{
    if (const std::optional<gauging::Check> drill = holeDrill(thread, limits, plating)) {
        row[Column::Drill] = drill->picked ? drill->name.written(format.decimalSeparator) : std::string("none");
    }
}

// The plated diameters, and the drill of an internal side.
void fillPrePlate(ResultRow& row, const threads::ThreadLimits& thread, const threads::SideLimits& limits,
                  const ShownPlating& plating, const Formatting& format)
{
    if (plating.plating) {
        if (row.failed()) {
            return;
        }
        const threads::SideDiameters before =
            threads::prePlateDiameters(limits, plating.plating->min, plating.plating->max);
        fillDiameters(row, Column::PrePlateMajorMax, Column::PrePlateMajorMin, before.major, format);
        fillDiameters(row, Column::PrePlateMinorMax, Column::PrePlateMinorMin, before.minor, format);
    }
    fillDrill(row, thread, limits, plating.plating, format);
}

// The coating's cells: what it is, its thickness and growth, and whether
// the side's class takes that growth.
void fillCoating(ResultRow& row, const threads::ThreadLimits& thread, const threads::SideLimits& limits,
                 const CoatingRequest& request, const Coated& coated, const Formatting& format)
{
    if (request.coating) {
        row[Column::Coating] = request.coating->name;
    }
    if (coated.thickness) {
        row[Column::ThicknessMin] = formatPitchValue(coated.thickness->min, format.decimalSeparator);
        row[Column::ThicknessMax] = formatPitchValue(coated.thickness->max, format.decimalSeparator);
    }
    if (coated.growth) {
        row[Column::GrowthMin] = formatPitchValue(coated.growth->min, format.decimalSeparator);
        row[Column::GrowthMax] = formatPitchValue(coated.growth->max, format.decimalSeparator);
    }
    const coatings::FitCheck fit = checkFit(thread, limits, request, coated);
    if (fit.limit.maxGrowth) {
        row[Column::MaxGrowth] = formatFixed(*fit.limit.maxGrowth, fit.limit.decimals, format.decimalSeparator);
    }
    if (fit.fits) {
        row[Column::Fits] = *fit.fits ? "yes" : "no";
    }
}

// Hot-dip galvanizing does not move the limits by the coating: the side is
// made to its galvanizing class, or tapped oversize after galvanizing, and
// those limits are the ones the thread is made to.
void fillHotDip(ResultRow& row, const threads::ThreadLimits& thread, const threads::SideLimits& limits,
                const CoatingRequest& coating, const Coated& coated, const ShownPlating& plating,
                const Formatting& format)
{
    const coatings::MadeTo made = coatings::hotDipLimits(thread, limits);
    if (!made.limits) {
        row[Column::Error] = made.error;
    } else {
        row[Column::PlatingMin] = plating.minText;
        row[Column::PlatingMax] = plating.maxText;
        row[Column::PrePlateMax] = formatPitchValue(made.limits->max, format.decimalSeparator);
        row[Column::PrePlateMin] = formatPitchValue(made.limits->min, format.decimalSeparator);
        fillDiameters(row, Column::PrePlateMajorMax, Column::PrePlateMajorMin, made.limits->major, format);
        fillDiameters(row, Column::PrePlateMinorMax, Column::PrePlateMinorMin, made.limits->minor, format);
        // The hole is drilled to the thread's own minor band: zinc does not decide it.
        fillDrill(row, thread, limits, std::nullopt, format);
    }
    fillCoating(row, thread, limits, coating, coated, format);
}

const char* sideName(ThreadSide side)
{
    return side == ThreadSide::External ? "external" : "internal";
}

const char* unitName(UnitSystem unit)
{
    return unit == UnitSystem::Inch ? "in" : "mm";
}

std::optional<double> shown(std::optional<double> value)
{
    return value ? std::optional<double>(asDisplayed(*value)) : std::nullopt;
}

} // namespace

std::optional<gauging::Check> holeDrill(const threads::ThreadLimits& thread, const threads::SideLimits& limits,
                                        const std::optional<Plating>& plating)
{
    if (limits.side != ThreadSide::Internal) {
        return std::nullopt;
    }
    const threads::DiameterLimits minor =
        plating ? threads::prePlateDiameters(limits, plating->min, plating->max).minor : limits.minor;
    if (!minor.min || !minor.max) {
        return std::nullopt;
    }
    return gauging::holeDrill(thread, gauging::Band{0, 0, gauging::Stage::PrePlate, minor});
}

ShownPlating shownPlating(const std::optional<Plating>& plating, const Formatting& format)
{
    ShownPlating shown;
    if (plating) {
        shown.plating = Plating{asDisplayed(plating->min, shown.minText), asDisplayed(plating->max, shown.maxText)};
        shown.minText = withSeparator(std::move(shown.minText), format);
        shown.maxText = withSeparator(std::move(shown.maxText), format);
    }
    return shown;
}

void writeTextHeading(std::FILE* out, const threads::ThreadLimits& limits, const ShownPlating& plating,
                      const CoatingRequest& coating, const Coated& coated)
{
    const bool inch = limits.unit == UnitSystem::Inch;
    const char* unit = inch ? "in" : "mm";
    std::fprintf(out, "%s (%s)\n", limits.designation.c_str(), inch ? "inch" : "mm");
    if (coating.coating) {
        std::fprintf(out, "coating %s (%s)\n", coating.coating->name.c_str(), coating.coating->source.c_str());
        if (coated.thickness && coated.growth) {
            std::fprintf(out, "thickness %s to %s %s, growth %s to %s %s\n",
                         formatPitchValue(coated.thickness->min, ".").c_str(),
                         formatPitchValue(coated.thickness->max, ".").c_str(), unit, plating.minText.c_str(),
                         plating.maxText.c_str(), unit);
        }
        for (const std::string& note : coated.notes) {
            std::fprintf(out, "note: %s\n", note.c_str());
        }
    } else if (plating.plating) {
        std::fprintf(out, "plating %s to %s %s\n", plating.minText.c_str(), plating.maxText.c_str(), unit);
    }
}

PreparedThread prepareThread(const threads::ThreadLookup& lookup, std::string_view written, threads::AfterPlate rule,
                             const Formatting& format)
{
    PreparedThread thread;
    thread.written = written;
    thread.format = format;
    if (!lookup.limits) {
        thread.error = lookup.error;
        return thread;
    }
    thread.unit = lookup.limits->unit;
    thread.thread = *lookup.limits;
    for (const std::optional<threads::SideLimits>& classLimits : {lookup.limits->external, lookup.limits->internal}) {
        if (!classLimits) {
            continue;
        }
        const threads::SideLimits limits = threads::afterPlateLimits(*classLimits, rule);
        PreparedSide side;
        side.side = limits.side;
        side.afterPlateMax = asDisplayed(limits.max);
        side.afterPlateMin = asDisplayed(limits.min);
        side.row[Column::Designation] = limits.designation;
        side.row[Column::Side] = sideName(limits.side);
        side.row[Column::Unit] = unitName(lookup.limits->unit);
        side.row[Column::Basic] = formatPitchValue(limits.basic, format.decimalSeparator);
        side.row[Column::Allowance] = formatPitchValue(limits.allowance, format.decimalSeparator);
        side.row[Column::ClassTolerance] = formatPitchValue(limits.classTolerance, format.decimalSeparator);
        side.row[Column::AfterPlateMax] = text(side.afterPlateMax, format);
        side.row[Column::AfterPlateMin] = text(side.afterPlateMin, format);
        fillDiameters(side.row, Column::AfterPlateMajorMax, Column::AfterPlateMajorMin, limits.major, format);
        fillDiameters(side.row, Column::AfterPlateMinorMax, Column::AfterPlateMinorMin, limits.minor, format);
        side.limits = limits;
        thread.sides.push_back(std::move(side));
    }
    return thread;
}

void completeRows(const PreparedThread& thread, const ShownPlating& plating, std::vector<ResultRow>& rows,
                  const CoatingRequest& coating, const Coated& coated)
{
    if (!thread.error.empty()) {
        rows.resize(1);
        for (std::string& cell : rows[0].cells) {
            cell.clear();
        }
        rows[0][Column::Designation] = thread.written;
        rows[0][Column::Error] = thread.error;
        return;
    }
    rows.resize(thread.sides.size());
    for (std::size_t i = 0; i < thread.sides.size(); ++i) {
        const PreparedSide& side = thread.sides[i];
        rows[i].cells = side.row.cells; // reuses the strings' storage
        if (coating.coating && coatings::isHotDip(*coating.coating)) {
            fillHotDip(rows[i], *thread.thread, side.limits, coating, coated, plating, thread.format);
            continue;
        }
        if (!coated.error.empty()) {
            rows[i][Column::Error] = coated.error;
            fillCoating(rows[i], *thread.thread, side.limits, coating, coated, thread.format);
            continue;
        }
        fillSuggestion(rows[i], side.side, side.afterPlateMax, side.afterPlateMin, plating, thread.format);
        fillPrePlate(rows[i], *thread.thread, side.limits, plating, thread.format);
        fillCoating(rows[i], *thread.thread, side.limits, coating, coated, thread.format);
    }
}

std::vector<ResultRow> rowsForDesignation(const threads::ThreadLookup& lookup, std::string_view written,
                                          threads::AfterPlate rule, const std::optional<Plating>& plating,
                                          const Formatting& format, const CoatingRequest& coating)
{
    std::vector<ResultRow> rows;
    const Coated coated = coatedPlating(coating, plating, lookup.limits ? lookup.limits->unit : UnitSystem::Inch);
    completeRows(prepareThread(lookup, written, rule, format), shownPlating(coated.growth, format), rows, coating,
                 coated);
    return rows;
}

ResultRow rowForLimits(ThreadSide side, UnitSystem unit, std::optional<double> afterPlateMax,
                       std::optional<double> afterPlateMin, const std::optional<Plating>& plating,
                       const Formatting& format)
{
    ResultRow row;
    row[Column::Side] = sideName(side);
    row[Column::Unit] = unitName(unit);
    const std::optional<double> maxShown = shown(afterPlateMax);
    const std::optional<double> minShown = shown(afterPlateMin);
    row[Column::AfterPlateMax] = text(maxShown, format);
    row[Column::AfterPlateMin] = text(minShown, format);
    fillSuggestion(row, side, maxShown, minShown, shownPlating(plating, format), format);
    return row;
}

} // namespace orvanta::cli
