#include "SideSuggestion.h"

#include "NumberText.h"

#include <charconv>

namespace orvanta {

double asDisplayed(double value, std::string& text)
{
    // The pattern's text is already in the reader's canonical form.
    text = formatPitchValue(value);
    double shown = value;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return shown;
}

double asDisplayed(double value)
{
    std::string text;
    return asDisplayed(value, text);
}

bool leavesNoBand(double preplateMax, double preplateMin)
{
    return asDisplayed(preplateMin) >= asDisplayed(preplateMax);
}

SideSuggestion suggestShownSide(ThreadSide side, const SideEntry& shown)
{
    SideSuggestion result;
    result.entry = shown;
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
    // Compared as shown: two limits that display alike leave no band.
    std::optional<double> maxShown;
    std::optional<double> minShown;
    if (result.limits.preplateMax) {
        maxShown = asDisplayed(*result.limits.preplateMax, result.preplateMaxText);
    }
    if (result.limits.preplateMin) {
        minShown = asDisplayed(*result.limits.preplateMin, result.preplateMinText);
    }
    if (result.limits.overflowed) {
        result.error = kValueTooLargeMessage;
    } else if (maxShown && minShown && *minShown >= *maxShown) {
        result.error = kPlateTooGreatMessage;
    }
    return result;
}

} // namespace orvanta
