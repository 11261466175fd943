#include "CoatingCells.h"

#include "HotDip.h"

namespace orvanta::cli {

bool resolveCoating(CoatingRequest& request, const threads::ThreadLimits& thread, std::string& error)
{
    request.coating.reset();
    if (request.written.empty()) {
        return true;
    }
    coatings::CoatingLookup lookup = coatings::lookUpCoating(request.written, thread.unit, thread.nominalDiameter);
    if (!lookup.coating) {
        error = lookup.error;
        return false;
    }
    request.coating = std::move(lookup.coating);
    return true;
}

Coated coatedPlating(const CoatingRequest& request, const std::optional<Plating>& typed, UnitSystem unit)
{
    Coated coated;
    if (!request.coating) {
        coated.growth = typed; // a plating grows by all of its thickness
        coated.thickness = typed;
        return coated;
    }
    coatings::TypedThickness given;
    if (typed) {
        given.min = typed->min;
        given.max = typed->max;
    }
    const coatings::CoatingRangeResult range = coatings::coatingRange(*request.coating, unit, given);
    if (!range.range) {
        coated.error = range.error;
        coated.leastGrowth = range.leastGrowth;
        return coated;
    }
    coated.thickness = Plating{range.range->minThickness, range.range->maxThickness};
    coated.growth = Plating{range.range->minGrowth, range.range->maxGrowth};
    coated.notes = range.range->notes;
    return coated;
}

coatings::FitCheck checkFit(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                            const CoatingRequest& request, const Coated& coated)
{
    const coatings::Basis basis = request.coating ? request.coating->basis : coatings::Basis::Unstated;
    const bool hotDip = request.coating && coatings::isHotDip(*request.coating);
    if (!coated.growth && coated.leastGrowth) {
        return coatings::checkLeastGrowth(thread, side, *coated.leastGrowth, request.lengthMm, basis, hotDip);
    }
    coatings::FitCheck fit =
        coatings::checkFit(thread, side, coated.growth ? coated.growth->max : 0.0, request.lengthMm, basis, hotDip);
    if (!coated.growth) {
        fit.fits.reset();
    }
    return fit;
}

} // namespace orvanta::cli
