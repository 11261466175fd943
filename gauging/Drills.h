// The drills for a tapped hole: the standard drills whose diameter lies in a
// minor diameter band, and the one a tap-drill chart picks (the rule and its
// sources are in Drills.cpp).
#pragma once

#include "Phrase.h"
#include "ThreadLimits.h"

#include <optional>
#include <string>
#include <vector>

namespace orvanta::gauging {

struct Drill {
    // As charts write it: "#7", "13/64", "F", "8.5 mm"; a metric size is a
    // quantity, so a comma locale writes "8,5 mm".
    Phrase name;
    double diameter = 0; // in the thread's unit, whatever the drill's series
};

struct DrillChoice {
    double bandMin = 0; // the band searched
    double bandMax = 0;
    std::vector<Drill> fitting;         // every table drill inside the band, smallest first
    std::optional<Drill> picked;        // the chart's choice among them; empty when none fits
    bool pickedFromOtherSeries = false; // no drill of the thread's own series (inch or metric) fits
};

[[nodiscard]] DrillChoice drillsForHole(const threads::ThreadLimits& thread, double minorMin, double minorMax);

// The drill table (data/DrillData.cpp), each drill in its own unit: number,
// letter and fractional drills in inches, metric drills in millimetres
// (their name is written from the diameter).
enum class DrillSeries { Number, Letter, Fractional, Metric };
struct TableDrill {
    DrillSeries series = DrillSeries::Metric;
    std::string name; // empty for metric drills
    double diameter = 0;
};
[[nodiscard]] const std::vector<TableDrill>& drillTable();
} // namespace orvanta::gauging
