// What to make and check a thread side with, for one pitch diameter band
// (after plating, or the pre-plate band): the measurement over three wires,
// the GO and NOT GO gauges (ASME B1.2 for inch threads, ISO 1502 for
// metric) and, for internal threads, the taps whose whole pitch diameter
// range lies in the band and the drill for the hole's minor diameter. Plain C++; the numbers come from the standards'
// tables in data/ and the thread engine's limits.
#pragma once

#include "Phrase.h"
#include "ThreadLimits.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta::gauging {

enum class Item { Wires, GoGauge, NotGoGauge, Tap, Drill };

// "wires", "go_gauge", "not_go_gauge", "tap", "drill".
[[nodiscard]] const char* itemName(Item item);

struct Check {
    Item item = Item::Wires;
    Phrase name;    // "best wire 0.0289 in", "GO setting plug", "H3", "ISO 2", "#7"
    double min = 0; // gauge or tap pitch diameter limits; wires: the reading at the PD minimum; a drill: its diameter
    double max = 0; // ... and at the PD maximum
    std::optional<double> wearLimit;
    std::string standard; // "ASME B1.2", "ISO 1502", "ASME B94.9", "ISO 2857"
    Phrase note;
    Phrase error;        // the check cannot be given: why (min and max then mean nothing)
    bool picked = false; // taps: the one a tap maker would pick; a drill: the tap-drill chart's
};

// When a band is checked: before plating, on the machined thread, or after
// plating, on the finished part.
enum class Stage { PrePlate, AfterPlate };

// "pre_plate", "after_plate".
[[nodiscard]] const char* stageName(Stage stage);

// The pitch diameter band a side must meet at one stage, with the minor
// diameter band of that stage (an internal thread's drill lies in it).
struct Band {
    double min = 0;
    double max = 0;
    Stage stage = Stage::AfterPlate; // gauge tolerances that crowd a pre-plate band are warned of
    threads::DiameterLimits minor;
};

// The bands of one side: after plating always; before plating when the
// side is plated and the plating leaves a band.
struct SideBands {
    Band afterPlate;
    bool plated = false;
    std::optional<Band> prePlate;
};

struct StageChecks {
    Band band;
    std::vector<Check> checks;
};

struct Options {
    std::optional<double> wire; // wire diameter in the thread's unit; the best wire when absent
};

// What a side is checked with, stage by stage (after plating, then before):
// wires and gauges at every stage; taps and the drill only for the band the
// thread is cut to, which is the pre-plate band of a plated side, and none
// for a plated side that has no pre-plate band. Checks in the order wires,
// GO, NOT GO, taps, drill.
[[nodiscard]] std::vector<StageChecks> inspectSide(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                                   const SideBands& bands, const Options& options);

// The parts, for callers and tests that want one kind only.
[[nodiscard]] Check wireReadings(const threads::ThreadLimits& thread, const Band& band, std::optional<double> wire);
[[nodiscard]] std::vector<Check> gauges(const threads::ThreadLimits& thread, ThreadSide side, const Band& band);
[[nodiscard]] std::vector<Check> taps(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                      const Band& band);
// The drill for an internal thread's hole: the tap-drill chart's pick among
// the standard drills in the band's minor diameter band.
[[nodiscard]] Check holeDrill(const threads::ThreadLimits& thread, const Band& band);

} // namespace orvanta::gauging
