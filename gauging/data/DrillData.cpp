// The standard drills a tapped hole is drilled with: number, letter,
// fractional and metric.
//
// Sources:
//   [W]   Wikipedia, "Drill bit sizes", https://en.wikipedia.org/wiki/Drill_bit_sizes:
//         number gauge #1 to #80 and letter gauge A to Z with their decimal
//         inch equivalents; fractional sizes after ANSI B94.11M ("1/64 inch
//         through 1 inch in 1/64 inch increments. For morse taper shank drill
//         bits, the standard continues in 1/64 inch increments up to 1 3/4
//         inch, then 1/32 inch increments up to 2 1/4 inch, 1/16 inch
//         increments up to 3 inches, 1/8 inch increments up to 3 1/4 inches,
//         and a single 1/4 inch increment to 3 1/2 inches", as mirrored at
//         http://www.liquisearch.com/drill_bit_sizes/fractional-inch_drill_bit_sizes);
//         metric sizes of BS 328, 0.2 to 25.0 mm: N x 0.1 + 0, .02, .05,
//         .08 mm below 1 mm; N x 0.1 + 0, .05 mm from 1.0 to 2.95 mm; N x 0.1
//         mm from 3.0 to 13.9 mm; M + 0, .25, .5, .75 mm from 14.0 to 25.0 mm
//         (the same rule at https://www.hlparts.cn/article/243.html and
//         https://www.ipqcco.com/wiki/drill-size-chart)
//   [CR]  CircuitousRoot, "Metric, Inch, & Fractional Inch: Drills, Sizes,
//         Threads, & Preferred Sizes" v.2 2007-02-12,
//         https://paperzz.com/doc/8844239/: #80 .0135 to #55 .0520 read
//   [SB]  Solarbotics, "Drill bit sizes",
//         http://www.solarbotics.net/library/techniques/tools_drillbits.html:
//         #76 .0200 to #56 .0465
//   [BW]  http://www.blackwalnutjigs.com/tapchart.asp and
//   [SQ]  https://www.sequoia-brass-copper.com/tap-drill-selector-chart/:
//         the decimal beside each tap drill (#56 to #3, F, I, Q, U, W)
//   [PT]  https://www.powertoolstoday.com/number-letter-drill-bit-sizes/:
//         #1 .2280, #2 .2210, #3 .2130, #4 .2090, #7 .2010, #10 .1935, #21
//         .1590, #25 .1495; https://www.slashgear.com/2029899/: A .234, Z .413
//   [ISO] Tap drills the ISO 2306 / DIN 336 charts print above 25 mm, where
//         BS 328 stops: 26.5, 29.5, 32, 35, 37.5, 40.5, 43 mm (coarse, M30 to
//         M48),
//         https://rebell-tools.de/de/gewinde-wissen/wissen-a-bis-z/k/kernlochtabelle-fuer-metrische-gewinde-1.html; 28,
//         31, 33, 36, 39, 42, 45 mm (fine, M30x2 to M48x3), https://metricmech.com/reference/drill-size-chart
// [W], [CR], [SB], [BW], [SQ] and [PT] agree on every number and letter
// drill they share. The charts round the fractional sizes to four decimals
// (13/64 as .2031); the table keeps the exact fraction. No source read
// lists a metric series above 25 mm, so above it the table holds only the
// tap drills the charts name, and nothing above 45 mm.
#include "Drills.h"

#include <array>
#include <utility>

namespace orvanta::gauging {

namespace {

constexpr std::array<double, 80> kNumberDrills = {
    // #1 to #80, in inches [W][CR][SB][PT]
    .2280, .2210, .2130, .2090, .2055, .2040, .2010, .1990, .1960, .1935, // #1-#10
    .1910, .1890, .1850, .1820, .1800, .1770, .1730, .1695, .1660, .1610, // #11-#20
    .1590, .1570, .1540, .1520, .1495, .1470, .1440, .1405, .1360, .1285, // #21-#30
    .1200, .1160, .1130, .1110, .1100, .1065, .1040, .1015, .0995, .0980, // #31-#40
    .0960, .0935, .0890, .0860, .0820, .0810, .0785, .0760, .0730, .0700, // #41-#50
    .0670, .0635, .0595, .0550, .0520, .0465, .0430, .0420, .0410, .0400, // #51-#60
    .0390, .0380, .0370, .0360, .0350, .0330, .0320, .0310, .0292, .0280, // #61-#70
    .0260, .0250, .0240, .0225, .0210, .0200, .0180, .0160, .0145, .0135, // #71-#80
};

constexpr std::array<double, 26> kLetterDrills = {
    // A to Z, in inches [W][BW][SQ][PT]
    .234, .238, .242, .246, .250, .257, .261, .266, .272, .277, .281, .290, .295, // A-M
    .302, .316, .323, .332, .339, .348, .358, .368, .377, .386, .397, .404, .413, // N-Z
};

// Fractional drills in 64ths of an inch, ANSI B94.11M [W].
std::vector<int> fractionalSixtyFourths()
{
    std::vector<int> sizes;
    for (int n = 1; n <= 112; ++n) { // to 1-3/4
        sizes.push_back(n);
    }
    for (int n = 114; n <= 144; n += 2) { // 1/32 steps to 2-1/4
        sizes.push_back(n);
    }
    for (int n = 148; n <= 192; n += 4) { // 1/16 steps to 3
        sizes.push_back(n);
    }
    sizes.push_back(200); // 3-1/8
    sizes.push_back(208); // 3-1/4
    sizes.push_back(224); // 3-1/2
    return sizes;
}

// Metric drills in hundredths of a millimetre: BS 328 [W], then the charts' tap drills [ISO].
std::vector<int> metricHundredths()
{
    std::vector<int> sizes;
    for (int tenth = 2; tenth <= 9; ++tenth) {
        for (int extra : {0, 2, 5, 8}) {
            sizes.push_back(tenth * 10 + extra);
        }
    }
    for (int n = 100; n <= 295; n += 5) {
        sizes.push_back(n);
    }
    for (int n = 300; n <= 1390; n += 10) {
        sizes.push_back(n);
    }
    for (int n = 1400; n <= 2500; n += 25) {
        sizes.push_back(n);
    }
    for (int n : {2650, 2800, 2950, 3100, 3200, 3300, 3500, 3600, 3750, 3900, 4050, 4200, 4300, 4500}) {
        sizes.push_back(n);
    }
    return sizes;
}

std::string fractionName(int sixtyFourths)
{
    int whole = sixtyFourths / 64;
    int part = sixtyFourths % 64;
    int denominator = 64;
    while (part != 0 && part % 2 == 0) {
        part /= 2;
        denominator /= 2;
    }
    if (part == 0) {
        return std::to_string(whole);
    }
    const std::string fraction = std::to_string(part) + "/" + std::to_string(denominator);
    return whole == 0 ? fraction : std::to_string(whole) + "-" + fraction;
}

std::vector<TableDrill> buildTable()
{
    std::vector<TableDrill> drills;
    for (std::size_t i = 0; i < kNumberDrills.size(); ++i) {
        std::string name = "#";
        name += std::to_string(i + 1);
        drills.push_back({DrillSeries::Number, std::move(name), kNumberDrills[i]});
    }
    for (std::size_t i = 0; i < kLetterDrills.size(); ++i) {
        drills.push_back({DrillSeries::Letter, std::string(1, static_cast<char>('A' + i)), kLetterDrills[i]});
    }
    for (int n : fractionalSixtyFourths()) {
        drills.push_back({DrillSeries::Fractional, fractionName(n), n / 64.0});
    }
    for (int n : metricHundredths()) {
        drills.push_back({DrillSeries::Metric, {}, n / 100.0});
    }
    return drills;
}

} // namespace

const std::vector<TableDrill>& drillTable()
{
    static const std::vector<TableDrill> table = buildTable();
    return table;
}

} // namespace orvanta::gauging
