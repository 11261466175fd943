// Coatings as drawings call them out, turned into a thickness range and the
// growth each flank takes; and the largest growth a thread class leaves room
// for. Plain C++, no Qt. Thicknesses are in millimetres; a thread's growth is
// in the thread's own unit (inch or mm).
#pragma once

#include "ThreadLimits.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::coatings {

// Whether a standard's thickness is measured at a point (local) or as
// the mean over a batch of parts; Unstated where the source does not say.
enum class Basis { Local, BatchAverage, Unstated };

struct Coating {
    std::string name;   // normal name, e.g. "ASTM B633 Fe/Zn 8 (SC2) Type II"
    std::string family; // "electroplated zinc", "cadmium", "zinc flake", "anodize", "electroless nickel", "plating",
                        // "hot-dip galvanizing"
    std::optional<double> minThicknessMm; // what the standard (or the callout) sets; absent when typed later
    std::optional<double> maxThicknessMm; // absent when neither sets one: the maximum is the user's
    bool maxIsDefault = false;            // the maximum is a standard's default for an untoleranced coating
    Basis basis = Basis::Unstated;
    double outwardFraction = 1.0; // growth on each flank = thickness x this (anodize: a part grows into the metal)
    bool outwardFractionIsRuleOfThumb = false;
    std::string source; // citation for the thickness (and the fraction)
};

struct CoatingLookup {
    std::optional<Coating> coating;
    std::string error; // says what is wrong, and what is known, when there is no coating
};

// Reads a callout as drawings write it: "ASTM B633 SC2 Type II", "Fe/Zn 8 c1A", "QQ-P-416 Type II Class 3",
// "hard anodize per MIL-A-8625 Type III, .002 +/- .0002 in". A thickness in the callout needs its unit
// (in, mm, µm) unless the drawing's unit is given.
[[nodiscard]] CoatingLookup lookUpCoating(std::string_view written);
[[nodiscard]] CoatingLookup lookUpCoating(std::string_view written, UnitSystem drawingUnit);
// As above, for a thread of this nominal diameter (in the drawing's unit): where a standard's thickness
// depends on the fastener's size (ASTM F2329, ASTM A153 Class C or D) the diameter picks the row, and a size the
// standard does not cover (ISO 10684 outside M8-M64) is refused. A bare "HDG" takes its standard from
// the unit: ISO 10684 for metric, ASTM F2329 for inch.
[[nodiscard]] CoatingLookup lookUpCoating(std::string_view written, UnitSystem drawingUnit, double nominalDiameter);

// The normal names, for completion; each reads back as itself.
[[nodiscard]] const std::vector<std::string>& catalogueNames();

struct GrowthLimit {
    std::optional<double> maxGrowth; // in the thread's unit; absent where the class sets none
    int decimals = 0;                // as its table prints it (or 6 in / 4 mm when computed, rounded down)
    std::string source;              // the table
    std::string reason;              // when absent: why (no allowance, size not tabulated, ...)
};

// The largest growth one flank of a side may take. For metric g, f, e the
// column of ISO 4042's table follows how the thickness is measured: a local
// measurement holds for all lengths; a batch average needs the nominal length
// (lengthMm). With Basis::Unstated a given length picks the batch-average
// column, and no length the local one.
[[nodiscard]] GrowthLimit largestGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                        std::optional<double> lengthMm, Basis basis = Basis::Unstated);

} // namespace orvanta::coatings
