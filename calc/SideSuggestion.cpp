#include "SideSuggestion.h"

#include "NumberText.h"

namespace orvanta {

double asDisplayed(double value)
{
    return parseNumber(formatPitchValue(value), ".").value_or(value);
}

bool leavesNoBand(double preplateMax, double preplateMin)
{
    return asDisplayed(preplateMin) >= asDisplayed(preplateMax);
}

SideSuggestion suggestSide(ThreadSide side, const SideEntry& entry)
{
    SideSuggestion result;
    for (auto [from, to] : {std::pair{&entry.afterPlateMax, &result.entry.afterPlateMax},
                            std::pair{&entry.afterPlateMin, &result.entry.afterPlateMin},
                            std::pair{&entry.maxThickness, &result.entry.maxThickness},
                            std::pair{&entry.minThickness, &result.entry.minThickness}}) {
        if (*from) {
            *to = asDisplayed(**from);
        }
    }
    const SideEntry& shown = result.entry;
    if (shown.afterPlateMax && shown.afterPlateMin && *shown.afterPlateMin >= *shown.afterPlateMax) {
        result.error = thicknessOrderMessage(side);
        return result;
    }
    if (!shown.maxThickness || !shown.minThickness) {
        return result;
    }
    const ThicknessOrder order = classifyThicknesses(*shown.minThickness, *shown.maxThickness);
    if (order == ThicknessOrder::Reversed) {
        result.error = thicknessOrderMessage(side);
        return result;
    }
    result.limits = computePrePlateLimits(side, shown, order);
    if (result.limits.overflowed) {
        result.error = kValueTooLargeMessage;
    } else if (result.limits.preplateMax && result.limits.preplateMin &&
               leavesNoBand(*result.limits.preplateMax, *result.limits.preplateMin)) {
        result.error = kPlateTooGreatMessage;
    }
    return result;
}

} // namespace orvanta
