// Designation in, pitch diameter limits out: the Unified inch threads of
// ASME B1.1 and the ISO metric threads of ISO 965-1 / ASME B1.13M. Every
// number comes from the standards' tables or from the formulas the standard
// itself gives; a combination the tables do not back is refused, not guessed.
#pragma once

#include "PlatingArithmetic.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::threads {

// The limits a standard sets on one diameter; absent where it sets none
// (an internal thread's major maximum, say), never invented.
struct DiameterLimits {
    std::optional<double> max;
    std::optional<double> min;
};

// One side of a thread, in its unit (inch or mm). Values are exact to the
// tables' decimals (four in inch, three in mm), except the class tolerance,
// which the standard never rounds before use.
struct SideLimits {
    ThreadSide side = ThreadSide::External;
    std::string designation; // this side's normal form: "1/2-13 UNC-2A"
    double basic = 0;        // basic pitch diameter
    double allowance = 0;    // external: es (from basic down); internal: EI (from basic up)
    double classTolerance = 0;
    double max = 0;
    double min = 0;
    // The crest and root diameters, as the standards' tables give them.
    DiameterLimits major;
    DiameterLimits minor;
    // Empty, or what hot-dip galvanizing means for these limits: a metric
    // 6az, 6AZ or 6AX class, or an inch nut overtapped after galvanizing.
    // Such a side's allowance is the room its class leaves for the zinc.
    std::string galvanizing;
};

struct ThreadLimits {
    UnitSystem unit = UnitSystem::Inch;
    std::string designation; // normal form; a fit names both classes
    std::optional<SideLimits> external;
    std::optional<SideLimits> internal;
    // What was assumed or worth knowing: an inferred series, default classes, a UNS thread.
    std::vector<std::string> notes;
    // The thread itself, in its unit, for what gauges, wires and taps need.
    double nominalDiameter = 0;
    double pitch = 0;
    int threadsPerInchTenths = 0; // inch threads
    // Metric threads: the nut's pitch diameter tolerance of grade 5 (TD2),
    // which metric tap classes are reckoned from; absent when not tabulated.
    std::optional<double> nutGradeFiveTolerance;
};

// What an inch external thread's minor maximum is: ASME B1.1 gives the
// rounded root's (UNR) for reference only, and no minimum.
inline constexpr const char* kUnrMinorNote = "the external minor maximum is the UNR root's, for reference only";

// The note a left-hand thread carries.
inline constexpr const char* kLeftHandNote = "left-hand thread: the hand does not change the pitch diameter limits";

struct ThreadLookup {
    std::optional<ThreadLimits> limits;
    std::string error; // says what is wrong when there are no limits
};

[[nodiscard]] ThreadLookup lookUpThread(std::string_view designation);

// Which limits a plated thread must meet after plating.
enum class AfterPlate {
    ClassLimits,  // the drawing's class limits apply after plating
    UseAllowance, // the maximum-material limit after plating is basic size
};

// The after-plate limits of a side under the rule chosen; the other fields
// are kept. Under UseAllowance the allowance is what the plating may take:
// the maximum-material limits of the pitch, major and minor diameters move
// to basic size by it.
[[nodiscard]] SideLimits afterPlateLimits(const SideLimits& limits, AfterPlate rule);

// The largest plating thickness an allowance absorbs: plating moves the
// pitch diameter by four times its thickness.
[[nodiscard]] double platingAbsorbed(double allowance);

// The designations of the standard series, for completion: "1/2-13 UNC", "M10x1.5".
[[nodiscard]] const std::vector<std::string>& standardDesignations();

} // namespace orvanta::threads
