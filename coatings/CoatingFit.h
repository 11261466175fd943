// Whether a thread side takes a coating's growth: the largest growth its
// class leaves room for, against the coating's thickest growth.
#pragma once

#include "Coatings.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::coatings {

struct FitCheck {
    GrowthLimit limit;
    double maxGrowth = 0;     // the coating's thickest growth, in the thread's unit
    std::optional<bool> fits; // absent where the class sets no largest growth
    bool leastOnly = false;   // only the least growth was known: it alone was checked
};

// `hotDip`: the coating is hot-dip galvanizing, whose room the galvanizing
// classes and the overtapped nut give rather than the plating tables.
[[nodiscard]] FitCheck checkFit(const threads::ThreadLimits& thread, const threads::SideLimits& side, double maxGrowth,
                                std::optional<double> lengthMm, Basis basis, bool hotDip = false);

// A coating whose maximum is not known yet: it cannot be said to fit, but
// it does not fit when even its least growth is too much.
[[nodiscard]] FitCheck checkLeastGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                        double leastGrowth, std::optional<double> lengthMm, Basis basis,
                                        bool hotDip = false);

// "fits", or "does not fit: the maximum growth 0.0003 in. exceeds 0.000275
// in.; machine to the pre-plate limits", or why the class sets no limit.
[[nodiscard]] std::string fitSentence(const FitCheck& fit, UnitSystem unit, std::string_view decimalSeparator);

} // namespace orvanta::coatings
