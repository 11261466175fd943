// Taps whose whole pitch diameter range lies in an internal thread's band.
//
// Inch ground-thread taps (ASME B94.9, reprinted in Machinery's Handbook
// 31st ed. Tables 20 and 21): limit Hn runs from basic + (n - 1) x step to
// basic + n x step; the steps and the sizes and pitches they cover are in
// data/UnifiedTapData.cpp, with their sources. Elsewhere no tap is given.
//
// Metric taps (ISO 2857 / EN 22857, DIN 802): with t the nut's TD2 of
// grade 5, ISO 1 runs from +0.1t to +0.3t above basic, ISO 2 from +0.3t to
// +0.5t (a tap maker's table of ISO 2857 classes), ISO 3 from +0.5t to
// +0.7t (the marks of Yamawa's class diagram only); to the micrometre,
// half up, as ISCAR and Yamawa print them. 7G is left out: no source read
// defines it in words.
//
// The pick: tap makers place the tap's maximum about 40 % of the way up
// the band, a rule of thumb their class charts follow loosely (Widia's
// recommendations for 2B sit between 38 % and 51 %). Two classes equally
// near that point (ISO 1 and ISO 2 in a 5H band) differ only by how their
// limits were rounded, so the tie goes to the lower class, as the makers'
// charts recommend ISO 1 for 4H and 5H (Yamawa catalogue 2021, "Internal
// Thread Tolerance and Classes of Taps", Technical info p. 645,
// http://docs.steelcam.org/yamawa/obshij-katalog-yamawa-2021-page644).
// Within 1 µm counts as equally near for metric classes, rounded to the
// micrometre; inch classes are exact, so only an exact tie counts (a wider
// margin would turn Widia's published H5 for 3/8-16 UNC-2B into H4).
#include "GaugeData.h"
#include "Inspection.h"

#include <cmath>

namespace orvanta::gauging {

namespace {

constexpr double kPickFraction = 0.4;
constexpr double kSlack = 1e-9;
constexpr double kMetricTie = 0.001;
constexpr double kInchTie = kSlack;

struct TapClass {
    std::string name;
    double min;
    double max;
};

std::vector<TapClass> unifiedTapClasses(double basic, const UnifiedTapLimits& limits)
{
    const double step = limits.stepTenThousandths / 1e4;
    std::vector<TapClass> classes;
    for (int n = 1; n <= limits.highestLimit; ++n) {
        classes.push_back({"H" + std::to_string(n), basic + (n - 1) * step, basic + n * step});
    }
    return classes;
}

std::vector<TapClass> metricTapClasses(double basic, double nutGradeFive)
{
    const long t = std::lround(nutGradeFive * 1000); // µm
    const auto above = [&](int tenthsOfT) { return basic + static_cast<double>((tenthsOfT * t + 5) / 10) / 1000; };
    return {{"ISO 1", above(1), above(3)}, {"ISO 2", above(3), above(5)}, {"ISO 3", above(5), above(7)}};
}

Check refusal(Phrase why, const char* standard)
{
    Check check;
    check.item = Item::Tap;
    check.name = "tap";
    check.standard = standard;
    check.error = std::move(why);
    return check;
}

// Why no class lies wholly in the band.
Phrase noneFits(const std::vector<TapClass>& classes, const Band& band, double basic, UnitSystem unit)
{
    const double tolerance = classes.front().max - classes.front().min;
    const double width = band.max - band.min;
    if (width + kSlack < tolerance) {
        return "the band (" + length(width, unit) + ") is narrower than a tap's pitch diameter tolerance (" +
               length(tolerance, unit) + ")";
    }
    if (band.max + kSlack < classes.front().max) {
        return "the band starts below basic (" + length(basic, unit) +
               ") and leaves less than a tap's tolerance "
               "above it";
    }
    if (band.min > classes.back().min + kSlack) {
        return "the band lies above " + classes.back().name + ", the largest tap class tabulated";
    }
    return "no tap class lies wholly inside the band: the classes step by " + length(tolerance, unit);
}

} // namespace

std::vector<Check> taps(const threads::ThreadLimits& thread, const threads::SideLimits& side, const Band& band)
{
    if (side.side != ThreadSide::Internal) {
        return {};
    }
    const bool inch = thread.unit == UnitSystem::Inch;
    const char* standard = inch ? "ASME B94.9" : "ISO 2857";
    std::vector<TapClass> classes;
    if (inch) {
        const std::optional<UnifiedTapLimits> limits =
            unifiedTapLimits(thread.threadsPerInchTenths, std::lround(thread.nominalDiameter * 1e6));
        if (!limits) {
            return {refusal("ground-thread tap limits are tabulated for 8 to 80 threads per inch up to 1 in.; the "
                            "sources read do not settle the tap's pitch diameter limits for this size and pitch",
                            standard)};
        }
        classes = unifiedTapClasses(side.basic, *limits);
    } else {
        if (!thread.nutGradeFiveTolerance) {
            return {refusal("the nut's grade 5 tolerance, which the tap classes are reckoned from, is not in "
                            "Orvanta's verified ISO 965-1 tables",
                            standard)};
        }
        classes = metricTapClasses(side.basic, *thread.nutGradeFiveTolerance);
    }
    std::vector<Check> fitting;
    for (const TapClass& c : classes) {
        if (c.min + kSlack >= band.min && c.max <= band.max + kSlack) {
            Check check;
            check.item = Item::Tap;
            check.name = c.name;
            check.min = c.min;
            check.max = c.max;
            check.standard = standard;
            fitting.push_back(std::move(check));
        }
    }
    if (fitting.empty()) {
        return {refusal(noneFits(classes, band, side.basic, thread.unit), standard)};
    }
    const double target = band.min + kPickFraction * (band.max - band.min);
    const double tie = inch ? kInchTie : kMetricTie;
    Check* pick = &fitting.front(); // the classes run upwards: a tie keeps the lower
    for (Check& check : fitting) {
        if (std::abs(check.max - target) + tie < std::abs(pick->max - target)) {
            pick = &check;
        }
    }
    pick->picked = true;
    pick->note = "picked: its maximum lies about 40 % of the way up the band, where tap makers place it (a rule "
                 "of thumb their charts follow loosely)";
    for (const Check& check : fitting) {
        if (&check != pick && std::abs(std::abs(check.max - target) - std::abs(pick->max - target)) <= tie) {
            pick->note += "; " + check.name +
                          " lies as near, and the lower class is taken, as tap makers' charts "
                          "recommend it for the finer nut classes";
        }
    }
    return fitting;
}

} // namespace orvanta::gauging
