// A coating's thickness range for one job, and what it grows a thread by:
// the standard's limits, given or narrowed by what the user types,
// times the part of the film that grows outward. The calculator then works
// with the growth, as it would with a plating's thickness.
#pragma once

#include "Coatings.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta::coatings {

struct TypedThickness {
    std::optional<double> min; // in the thread's unit
    std::optional<double> max;
};

struct CoatingRange {
    // In the thread's unit.
    double minThickness = 0;
    double maxThickness = 0;
    double minGrowth = 0;
    double maxGrowth = 0;
    std::vector<std::string> notes; // where the range came from, when it is not plain
};

struct CoatingRangeResult {
    std::optional<CoatingRange> range;
    std::string error; // why there is no range: a limit missing, or typed outside the standard's
    // Without a range, the least growth where the minimum alone is known:
    // enough to say a class cannot take even that.
    std::optional<double> leastGrowth;
};

[[nodiscard]] CoatingRangeResult coatingRange(const Coating& coating, UnitSystem unit, const TypedThickness& typed);

} // namespace orvanta::coatings
