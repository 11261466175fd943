// Plating allowance arithmetic: from the pitch diameter limits a 60-degree
// thread must meet after plating and the plating thickness limits, the
// suggested pre-plate limits. Pure functions over plain records, no Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

enum class UnitSystem { Inch, Metric };

// External: product thread checked with ring or set plugs; Internal: with work plugs.
enum class ThreadSide { External, Internal };

// The minimum thickness compared with the maximum thickness.
enum class ThicknessOrder { Ascending, Equal, Reversed };

// Plating grows on both flanks, so a thickness moves the pitch diameter by
// a multiple of itself. The GO-side limit of a side whose two thicknesses
// are exactly equal takes the larger multiplier.
inline constexpr double kThicknessMultiplier = 4.0;
inline constexpr double kEqualThicknessMultiplier = 6.0;

// The four entries of one side; an absent value is an empty entry field.
struct SideEntry {
    std::optional<double> afterPlateMax;
    std::optional<double> afterPlateMin;
    std::optional<double> maxThickness;
    std::optional<double> minThickness;
};

enum class PrePlateLimit { Maximum, Minimum };

// The suggestion for one side. A limit is absent when the after-plate value
// it comes from is absent, or when the computation stopped before it.
struct PrePlateLimits {
    std::optional<double> preplateMax;
    std::optional<double> preplateMin;
    // A product or result left the double range: the work stopped at that
    // value. Limits computed before it (in writeOrder) are kept.
    bool overflowed = false;

    [[nodiscard]] std::optional<double> value(PrePlateLimit which) const
    {
        return which == PrePlateLimit::Maximum ? preplateMax : preplateMin;
    }
};

struct WriteOrder {
    PrePlateLimit first;
    PrePlateLimit second;
};

// The order in which a side's two limits are computed and shown. It only
// matters when an overflow stops the work between them.
[[nodiscard]] WriteOrder writeOrder(ThreadSide side, ThicknessOrder order);

[[nodiscard]] ThicknessOrder classifyThicknesses(double minThickness, double maxThickness);

// The message shown when a side's thicknesses are Reversed.
[[nodiscard]] std::string_view thicknessOrderMessage(ThreadSide side);

// Call only with Ascending or Equal and with both thicknesses present;
// otherwise nothing is computed.
[[nodiscard]] PrePlateLimits computePrePlateLimits(ThreadSide side, const SideEntry& entry, ThicknessOrder order);

// The display text of a pitch diameter: the pattern "0.0000".
[[nodiscard]] std::string formatPitchValue(double value, std::string_view decimalSeparator = ".");

} // namespace orvanta
