// A coating named on the command line or in a parts list: the growth the
// calculator works with, and the cells that say what the coating is, what
// it grows the thread by and whether the class takes it.
#pragma once

#include "CoatingFit.h"
#include "CoatingRange.h"
#include "Coatings.h"
#include "PlatingText.h"
#include "ThreadLimits.h"

#include <optional>
#include <string>

namespace orvanta::cli {

struct CoatingRequest {
    std::string written; // the callout as given; read against the thread (its unit and size)
    std::optional<coatings::Coating> coating;
    std::optional<double> lengthMm; // the part's nominal length, for ISO 4042's long parts
};

// Reads the callout for this thread: its unit and diameter choose among a
// standard's rows ("HDG" on an inch bolt is ASTM F2329 by its size).
// False, with `error`, when it cannot be read.
[[nodiscard]] bool resolveCoating(CoatingRequest& request, const threads::ThreadLimits& thread, std::string& error);

// What a coating (or a plating typed alone) comes to on one thread.
struct Coated {
    std::optional<Plating> growth;    // what the calculator gets; the typed plating when no coating is named
    std::optional<Plating> thickness; // the coating's thickness range
    std::vector<std::string> notes;
    std::string error;                 // the coating cannot be used as asked: why
    std::optional<double> leastGrowth; // with no range: the growth of the minimum the standard sets
};

// `typed` in the thread's unit: it gives or narrows the coating's thickness.
[[nodiscard]] Coated coatedPlating(const CoatingRequest& request, const std::optional<Plating>& typed, UnitSystem unit);

// Whether a side takes the growth; no verdict without a growth.
[[nodiscard]] coatings::FitCheck checkFit(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                          const CoatingRequest& request, const Coated& coated);

} // namespace orvanta::cli
