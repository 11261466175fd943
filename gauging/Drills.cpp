// Which drill a tap-drill chart names for a thread, restricted to a band.
//
// Inch threads: the drill nearest the diameter that leaves 75% of the
// basic thread depth, D - 0.75 x 1.299038 P (Machinery's Handbook 31st ed.
// p. 2155, Table 2, "Tap Drill Sizes and Percentage of Thread", where the
// full thread is 1.299038 P on the diameter; ICS Cutting Tools, "the
// formula generates a theoretical drill size and looks for the closest
// matching standard drill", http://www.icscuttingtools.com/calculate/formula-tap-drill.htm).
// The charts pick a number, letter or fractional drill; they print metric
// drills beside them but never as the chart's drill (1/2-13 takes 27/64,
// not 10.8 mm, which lies nearer).
//
// Metric threads: D - P in the metric series (rebell, DIN 336 / ISO 2306
// chart; metricmech; utilitiesbunker), where the series has it. Where
// D - P falls halfway between two drills of the 0.1 mm series, the ISO and
// DIN charts print the one whose last digit is even (M12x1.75 10.2,
// M10x1.25 8.8, M12x1.25 10.8): the half-even rounding of ISO 80000-1
// Annex B. metricmech prints 8.75 and 10.75 instead, the 5y1 chart 8.7
// for M10x1.25, and nightshade 10.3 for M12x1.75; the rule follows ISO/DIN.
//
// utilitiesbunker also prints 5.25 for M6x0.75, a size BS 328 lacks
// between 3 and 14 mm.
//
// Only drills inside the band are picked (a larger drill leaves the minor
// diameter oversize): the charts' 33/64 for 9/16-18 UNF and 37/64 for
// 5/8-18 UNF lie just above the 2B minor maximum, so no inch drill fits
// there; the charts' own series first,
// then the other, so a plated hole whose band holds only a metric drill
// still gets one.
#include "Drills.h"

#include <algorithm>
#include <cmath>

namespace orvanta::gauging {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr double kFullThreadFactor = 1.299038; // double the basic thread depth, over P
constexpr double kChartThreadShare = 0.75;

// Decimals a chart writes a metric drill with: as many as the size needs.
int metricDecimals(double millimetres)
{
    const long hundredths = std::lround(millimetres * 100);
    if (hundredths % 100 == 0) {
        return 0;
    }
    return hundredths % 10 == 0 ? 1 : 2;
}

bool inchSeries(DrillSeries series)
{
    return series != DrillSeries::Metric;
}

struct Candidate {
    Drill drill;
    bool chartSeries = false;
    long units = 0; // the drill in its table's finest unit: 1/10000 in or 1/100 mm
};

// The nearest to `target`; halfway between two, the one an even number of
// their step away from zero.
const Candidate* nearest(const std::vector<Candidate>& candidates, double target, bool chartSeries)
{
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates) {
        if (c.chartSeries != chartSeries) {
            continue;
        }
        if (best == nullptr) {
            best = &c;
            continue;
        }
        const double here = std::abs(c.drill.diameter - target);
        const double there = std::abs(best->drill.diameter - target);
        const double tie = 1e-9 * std::max(1.0, std::abs(target));
        if (here < there - tie) {
            best = &c;
        } else if (std::abs(here - there) <= tie) {
            const long step = std::abs(c.units - best->units);
            if (step > 0 && c.units % step == 0 && (c.units / step) % 2 == 0) {
                best = &c;
            }
        }
    }
    return best;
}

} // namespace

DrillChoice drillsForHole(const threads::ThreadLimits& thread, double minorMin, double minorMax)
{
    DrillChoice choice;
    choice.bandMin = minorMin;
    choice.bandMax = minorMax;
    // A band that is not one (reversed, not a number) holds no drill.
    if (!(minorMin <= minorMax) || !std::isfinite(minorMin) || !std::isfinite(minorMax)) {
        return choice;
    }
    const bool inchThread = thread.unit == UnitSystem::Inch;
    const double tolerance = 1e-9 * std::max(1.0, std::abs(minorMax));

    std::vector<Candidate> candidates;
    for (const TableDrill& row : drillTable()) {
        const bool metric = row.series == DrillSeries::Metric;
        double diameter = row.diameter;
        if (metric && inchThread) {
            diameter /= kMillimetresPerInch;
        } else if (!metric && !inchThread) {
            diameter *= kMillimetresPerInch;
        }
        if (diameter < minorMin - tolerance || diameter > minorMax + tolerance) {
            continue;
        }
        Phrase name = metric ? number(row.diameter, metricDecimals(row.diameter), " mm") : Phrase(row.name);
        const long units = std::lround(row.diameter * (metric ? 100 : 10000));
        candidates.push_back({Drill{std::move(name), diameter}, inchSeries(row.series) == inchThread, units});
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.drill.diameter < b.drill.diameter; });

    const double target = inchThread ? thread.nominalDiameter - kChartThreadShare * kFullThreadFactor * thread.pitch
                                     : thread.nominalDiameter - thread.pitch;
    const Candidate* pick = nearest(candidates, target, true);
    if (pick == nullptr) {
        pick = nearest(candidates, target, false);
        choice.pickedFromOtherSeries = pick != nullptr;
    }
    if (pick != nullptr) {
        choice.picked = pick->drill;
    }
    for (Candidate& c : candidates) {
        choice.fitting.push_back(std::move(c.drill));
    }
    return choice;
}

} // namespace orvanta::gauging
