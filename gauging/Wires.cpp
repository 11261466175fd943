// Measurement over three wires of a 60° thread, as Machinery's Handbook
// ("Measuring Screw Threads", 31st ed. p.2127) and wire makers print it:
// M = E - 0.866025 P + 3 W, best wire W = 0.57735 P. The wires touch the
// flanks from 0.505182 P to 1.010362 P (Thread Check, "Alternate Size
// Thread Measuring Wires"); a textbook sheet gives 0.560 P to 0.900 P as
// the practical range (neme-s.org, "Three Wire Thread Measuring"), which
// here only warns.
#include "Inspection.h"

#include <cmath>

namespace orvanta::gauging {

namespace {

constexpr double kFlankFactor = 0.866025;
constexpr double kBestWireFactor = 0.57735;
constexpr double kSmallestTouching = 0.505182;
constexpr double kLargestTouching = 1.010362;
constexpr double kPracticalSmallest = 0.560;
constexpr double kPracticalLargest = 0.900;

double overWires(double pitchDiameter, double pitch, double wire)
{
    return pitchDiameter - kFlankFactor * pitch + 3.0 * wire;
}

} // namespace

Check wireReadings(const threads::ThreadLimits& thread, const Band& band, std::optional<double> wire)
{
    const double pitch = thread.pitch;
    const double best = kBestWireFactor * pitch;
    const double used = wire.value_or(best);
    Check check;
    check.item = Item::Wires;
    check.standard = "Machinery's Handbook";
    check.name = wire ? "wire " + length(used, thread.unit) + " (best wire " + length(best, thread.unit) + ")"
                      : "best wire " + length(best, thread.unit);
    const double ratio = used / pitch;
    if (ratio < kSmallestTouching || ratio > kLargestTouching) {
        check.error = "a wire of " + length(used, thread.unit) + " does not touch the flanks of this thread: use " +
                      length(kSmallestTouching * pitch, thread.unit) + " to " +
                      length(kLargestTouching * pitch, thread.unit);
        return check;
    }
    check.min = overWires(band.min, pitch, used);
    check.max = overWires(band.max, pitch, used);
    check.note = "M = E - " + number(kFlankFactor, 6, " P") + " + 3 W; lead angle and wire compression neglected";
    if (ratio < kPracticalSmallest || ratio > kPracticalLargest) {
        check.note += "; the wire is outside " + number(kPracticalSmallest, 2, " P") + " to " +
                      number(kPracticalLargest, 2, " P") + ", where it touches the flanks near their ends";
    }
    return check;
}

} // namespace orvanta::gauging
