#include "PlatedDiameters.h"

namespace orvanta::threads {

namespace {

DiameterLimits beforePlating(const DiameterLimits& after, ThreadSide side, double minThickness, double maxThickness)
{
    // External: the largest part (max) must stay below its limit with the
    // thickest coating; internal: the smallest hole (min) with the thickest.
    const double towardMax = side == ThreadSide::External ? -2.0 * maxThickness : 2.0 * minThickness;
    const double towardMin = side == ThreadSide::External ? -2.0 * minThickness : 2.0 * maxThickness;
    DiameterLimits before;
    if (after.max) {
        before.max = *after.max + towardMax;
    }
    if (after.min) {
        before.min = *after.min + towardMin;
    }
    if (before.max && before.min && *before.min > *before.max) {
        return {};
    }
    return before;
}

} // namespace

SideDiameters prePlateDiameters(const SideLimits& afterPlate, double minThickness, double maxThickness)
{
    return {beforePlating(afterPlate.major, afterPlate.side, minThickness, maxThickness),
            beforePlating(afterPlate.minor, afterPlate.side, minThickness, maxThickness)};
}

} // namespace orvanta::threads
