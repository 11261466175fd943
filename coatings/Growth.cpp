// The largest growth a thread class leaves room for on each flank: a quarter
// of the allowance for inch 1A/2A (ASTM F1941 X3), ISO 4042's table for metric
// g, f, e and G; none where the class has no allowance.
#include "CoatingData.h"
#include "Coatings.h"

#include <cmath>
#include <regex>
#include <string>

namespace orvanta::coatings {

namespace {

constexpr const char* kNoAllowance = "no allowance: machine to the pre-plate limits";

GrowthLimit none(std::string reason, std::string source = {})
{
    GrowthLimit g;
    g.reason = std::move(reason);
    g.source = std::move(source);
    return g;
}

GrowthLimit inchGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side)
{
    static const std::regex classPattern("-([123])([AB])(-LH)?$");
    std::smatch m;
    if (!std::regex_search(side.designation, m, classPattern)) {
        return none("the thread class of " + side.designation + " is not one of 1A, 2A, 3A, 1B, 2B, 3B");
    }
    const std::string cls = m[1].str() + m[2].str();
    if (m[2] == "B") {
        return none("class " + cls + " is an internal class with " + kNoAllowance);
    }
    if (cls == "3A") {
        return none("class 3A has " + std::string(kNoAllowance));
    }
    // The allowance is exact to 0.0001 in; in 0.0000001 in it is a whole number, and a quarter of it in
    // 0.000001 in is then floored by integer division: never rounded up.
    const long long allowanceE7 = std::llround(side.allowance * 1e7);
    if (allowanceE7 <= 0) {
        return none(side.designation + " has " + kNoAllowance);
    }
    GrowthLimit g;
    g.decimals = 6;
    const long long tpi = (thread.threadsPerInchTenths + 5) / 10;
    const long long diameterMilli = std::llround(thread.nominalDiameter * 1000.0);
    for (const F1941Row& row : f1941Rows()) {
        if (thread.threadsPerInchTenths % 10 == 0 && row.threadsPerInch == tpi &&
            std::llabs(row.diameterMilliInch - diameterMilli) <= 1 &&
            row.allowanceTenThousandths * 1000LL == allowanceE7) {
            g.maxGrowth = row.maxCoatingHundredthsE4 / 1e6;
            g.source = kF1941Source;
            return g;
        }
    }
    g.maxGrowth = static_cast<double>(allowanceE7 / 40) / 1e6;
    g.source = kF1941RuleSource;
    return g;
}

const Iso4042PositionCells* cellsFor(const Iso4042Row& row, char position)
{
    switch (position) {
    case 'g':
        return &row.g;
    case 'f':
        return &row.f;
    case 'e':
        return &row.e;
    default:
        return nullptr;
    }
}

std::string microns(int value)
{
    return std::to_string(value) + " µm";
}

GrowthLimit metricGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                         std::optional<double> lengthMm, Basis basis)
{
    static const std::regex classPattern("-[3-9]([A-Za-z])");
    std::smatch m;
    if (!std::regex_search(side.designation, m, classPattern)) {
        return none("the tolerance position of " + side.designation + " cannot be read");
    }
    const char position = m[1].str()[0];
    if (position == 'h' || position == 'H') {
        return none(std::string("tolerance position ") + position + " has " + kNoAllowance);
    }
    if (position != 'g' && position != 'f' && position != 'e' && position != 'G') {
        return none(std::string("ISO 4042 tabulates tolerance positions G, g, f and e; not ") + position,
                    kIso4042TableSource);
    }
    const long pitchMicro = std::lround(thread.pitch * 1000.0);
    const Iso4042Row* found = nullptr;
    for (const Iso4042Row& row : iso4042Rows()) {
        if (row.pitchMicro == pitchMicro) {
            found = &row;
        }
    }
    if (found == nullptr) {
        return none("ISO 4042's table, as the catalogue holds it, has rows for pitches 0.2 to 1.75 mm; not " +
                        std::to_string(pitchMicro / 1000.0).substr(0, 5) + " mm",
                    kIso4042TableSource);
    }
    const int threadDeviation = static_cast<int>(std::lround(side.allowance * 1000.0));
    int tableDeviation = 0;
    int cell = 0;
    std::string column;
    if (position == 'G') {
        tableDeviation = found->internalDeviationG;
        cell = found->internalMaxG;
        column = "all nominal lengths";
    } else {
        const Iso4042PositionCells& cells = *cellsFor(*found, position);
        tableDeviation = cells.deviation;
        if (cells.deviation == 0) {
            return none(std::string("ISO 4042's table has no cell for tolerance position ") + position +
                            " at this pitch",
                        kIso4042TableSource);
        }
        const bool batch = basis == Basis::BatchAverage || (basis == Basis::Unstated && lengthMm.has_value());
        if (!batch) {
            cell = cells.local;
            column = "local thickness, all nominal lengths";
        } else {
            if (!lengthMm || !(*lengthMm > 0)) {
                return none("a batch-average thickness limit depends on the part's nominal length: give it",
                            kIso4042TableSource);
            }
            const double ratio = *lengthMm / thread.nominalDiameter;
            // The table's own bounds, inclusive above; a hair of slack keeps 5d typed in mm on its column.
            constexpr double kSlack = 1e-9;
            if (ratio <= 5 + kSlack) {
                cell = cells.batch[0];
                column = "batch average, l <= 5d";
            } else if (ratio <= 10 + kSlack) {
                cell = cells.batch[1];
                column = "batch average, 5d < l <= 10d";
            } else if (ratio <= 15 + kSlack) {
                cell = cells.batch[2];
                column = "batch average, 10d < l <= 15d";
            } else {
                return none("ISO 4042's batch-average columns stop at a nominal length of 15d", kIso4042TableSource);
            }
        }
    }
    if (tableDeviation != threadDeviation) {
        return none("ISO 4042's fundamental deviation (" + microns(tableDeviation) + ") differs from the thread's (" +
                        microns(threadDeviation) + "): the table cannot be applied",
                    kIso4042TableSource);
    }
    GrowthLimit g;
    g.maxGrowth = cell / 1000.0;
    g.decimals = 3; // the table prints whole micrometres
    g.source = std::string(kIso4042TableSource) + ", tolerance position " + position + ", " + column;
    return g;
}

} // namespace

GrowthLimit largestGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                          std::optional<double> lengthMm, Basis basis)
{
    if (thread.unit == UnitSystem::Inch) {
        return inchGrowth(thread, side);
    }
    return metricGrowth(thread, side, lengthMm, basis);
}

} // namespace orvanta::coatings
