// What to make and check a thread side with, for one pitch diameter band
// (after plating, or the pre-plate band): the measurement over three wires,
// the GO and NOT GO gauges (ASME B1.2 for inch threads, ISO 1502 for
// metric) and, for internal threads, the taps whose whole pitch diameter
// range lies in the band. Plain C++; the numbers come from the standards'
// tables in data/ and the thread engine's limits.
#pragma once

#include "ThreadLimits.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta::gauging {

enum class Item { Wires, GoGauge, NotGoGauge, Tap };

// "wires", "go_gauge", "not_go_gauge", "tap".
[[nodiscard]] const char* itemName(Item item);

struct Check {
    Item item = Item::Wires;
    std::string name; // "best wire 0.0289 in", "GO setting plug", "H3", "ISO 2"
    double min = 0;   // gauge or tap pitch diameter limits; wires: the reading at the PD minimum
    double max = 0;   // ... and at the PD maximum
    std::optional<double> wearLimit;
    std::string standard; // "ASME B1.2", "ISO 1502", "ASME B94.9", "ISO 2857"
    std::string note;
    std::string error;   // the check cannot be given: why (min and max then mean nothing)
    bool picked = false; // taps: the one a tap maker would pick
};

// The pitch diameter band a side must meet at one stage.
struct Band {
    double min = 0;
    double max = 0;
    bool prePlate = false; // gauge tolerances that crowd a pre-plate band are warned of
};

struct Options {
    std::optional<double> wire; // wire diameter in the thread's unit; the best wire when absent
};

// Every check of `side` for `band`, in the order wires, GO, NOT GO, taps.
[[nodiscard]] std::vector<Check> inspect(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                         const Band& band, const Options& options);

// The parts, for callers and tests that want one kind only.
[[nodiscard]] Check wireReadings(const threads::ThreadLimits& thread, const Band& band, std::optional<double> wire);
[[nodiscard]] std::vector<Check> gauges(const threads::ThreadLimits& thread, ThreadSide side, const Band& band);
[[nodiscard]] std::vector<Check> taps(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                      const Band& band);

} // namespace orvanta::gauging
