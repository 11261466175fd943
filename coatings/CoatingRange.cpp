#include "CoatingRange.h"

#include "NumberText.h"

#include <cmath>

namespace orvanta::coatings {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kEntryScale = 1e4; // the calculator's four decimals
constexpr double kSlack = 1e-9;

double fromMillimetres(double millimetres, UnitSystem unit)
{
    return unit == UnitSystem::Inch ? millimetres / kMillimetresPerInch : millimetres;
}

std::string written(double value, UnitSystem unit)
{
    // As a standard's limit reads: no more digits than it needs.
    std::string text = formatFixed(value, unit == UnitSystem::Inch ? 6 : 4, ".");
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text + (unit == UnitSystem::Inch ? " in" : " mm");
}

// The growth as a four-decimal entry, widened rather than narrowed: the
// thinnest down and the thickest up, so the pre-plate band is never wider
// than the coating allows.
double entryDown(double value)
{
    return std::floor(value * kEntryScale + kSlack) / kEntryScale;
}
double entryUp(double value)
{
    return std::ceil(value * kEntryScale - kSlack) / kEntryScale;
}

} // namespace

CoatingRangeResult coatingRange(const Coating& coating, UnitSystem unit, const TypedThickness& typed)
{
    CoatingRangeResult result;
    const std::optional<double> specMin =
        coating.minThicknessMm ? std::optional<double>(fromMillimetres(*coating.minThicknessMm, unit)) : std::nullopt;
    const std::optional<double> specMax =
        coating.maxThicknessMm ? std::optional<double>(fromMillimetres(*coating.maxThicknessMm, unit)) : std::nullopt;
    if (typed.min && specMin && *typed.min < *specMin - kSlack) {
        result.error =
            written(*typed.min, unit) + " is below " + coating.name + "'s minimum of " + written(*specMin, unit);
        return result;
    }
    if (typed.max && specMax && !coating.maxIsDefault && *typed.max > *specMax + kSlack) {
        result.error =
            written(*typed.max, unit) + " is above " + coating.name + "'s maximum of " + written(*specMax, unit);
        return result;
    }
    const std::optional<double> min = typed.min ? typed.min : specMin;
    const std::optional<double> max = typed.max ? typed.max : specMax;
    if (min && !max) {
        result.leastGrowth = *min * coating.outwardFraction;
    }
    if (!min || !max) {
        result.error = min ? coating.name + " sets a minimum of " + written(*min, unit) + " only: give the maximum"
                           : coating.name + " sets no thickness: give its minimum and maximum";
        return result;
    }
    if (*min > *max + kSlack) {
        result.error = "the thinnest coating " + written(*min, unit) + " is above the thickest " + written(*max, unit);
        return result;
    }
    CoatingRange range;
    range.minThickness = *min;
    range.maxThickness = *max;
    range.minGrowth = *min * coating.outwardFraction;
    range.maxGrowth = *max * coating.outwardFraction;
    if (coating.outwardFraction != 1.0) {
        const double down = entryDown(range.minGrowth);
        const double up = entryUp(range.maxGrowth);
        if (std::abs(down - range.minGrowth) > kSlack || std::abs(up - range.maxGrowth) > kSlack) {
            range.notes.push_back("the growth is taken to four decimals outward: its least down, its most up");
        }
        range.minGrowth = down;
        range.maxGrowth = up;
    }
    if (!typed.max && coating.maxIsDefault) {
        range.notes.push_back("the maximum is the default for a coating given without tolerance: its "
                              "nominal plus 50 %");
    }
    result.range = std::move(range);
    return result;
}

} // namespace orvanta::coatings
