// Hot-dip galvanized threads: 40 to 100 µm of zinc, far more than any
// allowance, so the standards do not move the limits by the coating as a
// plating's are moved. Metric bolts are made to ISO 965-4's 6az before
// galvanizing, metric nuts tapped to ISO 965-5's 6AZ or 6AX after it; inch
// nuts are tapped after galvanizing oversize by ASTM A563's allowance, and
// inch bolts are threaded to their class limits before galvanizing.
#pragma once

#include "Coatings.h"

#include <optional>
#include <string>

namespace orvanta::coatings {

[[nodiscard]] bool isHotDip(const Coating& coating);

// The limits one side is made to, with what they mean; or why a hot-dip
// coating cannot be put on it as designated.
struct MadeTo {
    std::optional<threads::SideLimits> limits;
    std::string note;
    std::string error;
};
[[nodiscard]] MadeTo hotDipLimits(const threads::ThreadLimits& thread, const threads::SideLimits& side);

// The largest zinc one flank of a galvanized pair takes: a quarter of the
// pair's fundamental deviations (metric 6az, 6AZ, 6AX), or of the bolt's
// allowance and the overtapped nut's allowance together (inch).
[[nodiscard]] GrowthLimit hotDipGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side);

} // namespace orvanta::coatings
