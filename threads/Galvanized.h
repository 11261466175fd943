// Hot-dip galvanized ISO metric threads: the classes 6az of ISO 965-4 (bolts
// made undersize before galvanizing) and 6AZ, 6AX of ISO 965-5 (nuts tapped
// oversize after galvanizing), how they pair, and the room a galvanized
// thread or pair leaves for the zinc.
#pragma once

#include "Designation.h"
#include "ThreadLimits.h"

#include <optional>
#include <string>

namespace orvanta::threads {

// What each class means, as its side's `galvanizing` and the thread's notes say it.
inline constexpr const char* k6azNote = "6az: limits before hot-dip galvanizing (ISO 965-4)";
inline constexpr const char* k6AZNote =
    "6AZ: tapped after galvanizing, for bolts centrifuged after galvanizing (ISO 965-5)";
inline constexpr const char* k6AXNote =
    "6AX: tapped after galvanizing, for heavier coatings not centrifuged (ISO 965-5)";

// The fundamental deviation, in the thread's unit, that a galvanized thread
// leaves for zinc on its pitch diameter: the allowance of the named side
// when its class is one for galvanizing, plus the other side's allowance
// when the thread is a fit (6AZ/6g: EI of AZ + |es| of g), since the zinc
// may fill the whole gap between the two maximum-material pitch diameters.
// Zinc t thick grows a pitch diameter by 4t, so the largest coating the
// thread or pair takes is this deviation / 4. Empty when the side is absent
// or neither side is a galvanizing class.
[[nodiscard]] std::optional<double> galvanizedDeviation(const ThreadLimits& thread, ThreadSide side);

// For the metric lookup: why a fit of these classes is refused, or empty
// when ISO 965-4/-5 allow it.
[[nodiscard]] std::string galvanizedPairingError(const std::optional<MetricClass>& external,
                                                 const std::optional<MetricClass>& internal);

// For the metric lookup: one side of class 6az, 6AZ or 6AX, or the reason
// its tables do not cover the thread. basicPitchMicro is d2 to the micrometre.
[[nodiscard]] std::optional<SideLimits> galvanizedMetricSide(long diameterMicro, long pitchMicro, long basicPitchMicro,
                                                             const MetricClass& c, std::string designation,
                                                             std::string& error);

} // namespace orvanta::threads
