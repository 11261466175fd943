#include "CoatingFit.h"

#include "HotDip.h"
#include "NumberText.h"

namespace orvanta::coatings {

FitCheck checkFit(const threads::ThreadLimits& thread, const threads::SideLimits& side, double maxGrowth,
                  std::optional<double> lengthMm, Basis basis, bool hotDip)
{
    FitCheck fit;
    fit.limit = hotDip ? hotDipGrowth(thread, side) : largestGrowth(thread, side, lengthMm, basis);
    fit.maxGrowth = maxGrowth;
    if (fit.limit.maxGrowth) {
        // A growth equal to the limit fits.
        fit.fits = maxGrowth <= *fit.limit.maxGrowth + 1e-12;
    }
    return fit;
}

FitCheck checkLeastGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side, double leastGrowth,
                          std::optional<double> lengthMm, Basis basis, bool hotDip)
{
    FitCheck fit = checkFit(thread, side, leastGrowth, lengthMm, basis, hotDip);
    fit.leastOnly = true;
    if (fit.fits && *fit.fits) {
        fit.fits.reset(); // the thickest coating decides, and it is not known
    }
    return fit;
}

std::string fitSentence(const FitCheck& fit, UnitSystem unit, std::string_view separator)
{
    const char* unitText = unit == UnitSystem::Inch ? " in." : " mm";
    if (!fit.fits) {
        if (fit.leastOnly && fit.limit.maxGrowth) {
            return "not known until the maximum thickness is given: the class takes a growth of " +
                   formatFixed(*fit.limit.maxGrowth, fit.limit.decimals, separator) + unitText;
        }
        return fit.limit.reason;
    }
    if (*fit.fits) {
        return "fits";
    }
    // The least growth of a standard's minimum keeps its own digits.
    const std::string growth = fit.leastOnly ? "the least growth, at the minimum thickness, " : "the maximum growth ";
    return "does not fit: " + growth + formatFixed(fit.maxGrowth, fit.leastOnly ? 6 : 4, separator) + unitText +
           " exceeds " + formatFixed(*fit.limit.maxGrowth, fit.limit.decimals, separator) + unitText +
           "; machine to the pre-plate limits";
}

} // namespace orvanta::coatings
