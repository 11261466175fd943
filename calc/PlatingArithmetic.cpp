#include "PlatingArithmetic.h"

#include "NumberText.h"

#include <cmath>

namespace orvanta {

namespace {

// One limit: the allowance (multiplier x thickness) is rounded to double
// first, then taken off (external) or added (internal). This file is built
// without floating-point contraction so no fused multiply-add changes that.
std::optional<double> preplateValue(ThreadSide side, double afterPlate, double multiplier, double thickness)
{
    const double allowance = multiplier * thickness;
    if (!std::isfinite(allowance)) {
        return std::nullopt;
    }
    const double result = side == ThreadSide::External ? afterPlate - allowance : afterPlate + allowance;
    if (!std::isfinite(result)) {
        return std::nullopt;
    }
    return result;
}

} // namespace

WriteOrder writeOrder(ThreadSide side, ThicknessOrder order)
{
    // The internal side writes its GO limit (the pre-plate minimum) first
    // when the thicknesses are equal; every other case writes the maximum first.
    if (side == ThreadSide::Internal && order == ThicknessOrder::Equal) {
        return {PrePlateLimit::Minimum, PrePlateLimit::Maximum};
    }
    return {PrePlateLimit::Maximum, PrePlateLimit::Minimum};
}

ThicknessOrder classifyThicknesses(double minThickness, double maxThickness)
{
    // Exact comparison on purpose: entries are compared as displayed, so two
    // thicknesses that show the same four decimals are Equal.
    if (minThickness == maxThickness) {
        return ThicknessOrder::Equal;
    }
    return minThickness > maxThickness ? ThicknessOrder::Reversed : ThicknessOrder::Ascending;
}

std::string_view thicknessOrderMessage(ThreadSide side)
{
    return side == ThreadSide::External ? "Minimum entry must be less than Maximum entry"
                                        : "Maximum entry must be greater than Minimum entry";
}

PrePlateLimits computePrePlateLimits(ThreadSide side, const SideEntry& entry, ThicknessOrder order)
{
    PrePlateLimits limits;
    if (order == ThicknessOrder::Reversed || !entry.maxThickness || !entry.minThickness) {
        return limits;
    }
    const double goMultiplier = order == ThicknessOrder::Equal ? kEqualThicknessMultiplier : kThicknessMultiplier;

    // Each side's GO limit comes from the maximum thickness, its NOGO limit
    // from the minimum: external GO is the pre-plate maximum, internal GO the minimum.
    const bool external = side == ThreadSide::External;
    const double maxMultiplier = external ? goMultiplier : kThicknessMultiplier;
    const double maxThickness = external ? *entry.maxThickness : *entry.minThickness;
    const double minMultiplier = external ? kThicknessMultiplier : goMultiplier;
    const double minThickness = external ? *entry.minThickness : *entry.maxThickness;

    const WriteOrder sequence = writeOrder(side, order);
    for (const PrePlateLimit which : {sequence.first, sequence.second}) {
        const bool isMax = which == PrePlateLimit::Maximum;
        const std::optional<double>& afterPlate = isMax ? entry.afterPlateMax : entry.afterPlateMin;
        if (!afterPlate) {
            continue;
        }
        const std::optional<double> value = isMax ? preplateValue(side, *afterPlate, maxMultiplier, maxThickness)
                                                  : preplateValue(side, *afterPlate, minMultiplier, minThickness);
        if (!value) {
            limits.overflowed = true;
            return limits;
        }
        (isMax ? limits.preplateMax : limits.preplateMin) = value;
    }
    return limits;
}

std::string formatPitchValue(double value, std::string_view decimalSeparator)
{
    return formatFixed(value, kPitchDecimals, decimalSeparator);
}

} // namespace orvanta
