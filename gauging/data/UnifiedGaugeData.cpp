// ASME B1.2 Table 6, the X gauge tolerance on the pitch diameter of thread
// plug and setting plug gauges, in ten-thousandths of an inch.
//
// Sources:
//   [T6]  the table as transcribed in the public repository SHERNOF/thread-gage,
//         main.py, "from table 6 of ASME B1.2-1983 - X Gage Tolerance for
//         Thread Gages" (data list imperial_tolerance_pitch_diameter), commit
//         1ac3ea13173f080792a7fe347bada04a03d12fcb
//   [VG]  Vermont Gage, "Setting Plug Tolerances", http://www.vermontgage.com/tech/qa/q5.html:
//         X = .0003 at 24 threads per inch for a .8438 in. set plug
//   [PG]  a gauge maker's pitch diameter chart of rings and setting plugs
//         (mirror: maybellehectorlolss1.web.app/badui): "X tol .0003" at
//         9/16-24, 5/8-11 and 5/8-18
//   [RP]  ring-plug-thread-gages.com, "STI Gage Tolerances": #10-32 plugs
//         certified at .0003 (X)
//   [RO]  Royal Oak Gage, "Class Y Tolerances" (American National and Unified
//         form thread gages), http://royaloakgage.com/Reference/classY.htm:
//         the same threads-per-inch rows and diameter columns as [T6], with
//         no 27 row
// The spot checks [VG][PG][RP] agree with [T6]. The standard's own page
// (B1.2-1983 p. 18, Table 6, per [VG]) could not be read. [T6] gives one
// column up to 1-1/2 in. where the standard may print two (to 1/2, above 1/2
// to 1-1/2) with the same values, none above 8 in., and for 4 to 5 threads
// per inch up to 1-1/2 in. a blank, entered as 0. 27 threads per inch up to
// 1-1/2 in. is missing from [T6] altogether, not entered as a blank: its
// other two columns carry 27 with the values of 28 and 24 (.0004, .0005),
// and 28 and 24 read .0003 up to 1-1/2 in. No source read prints that cell
// (a gauge maker's chart with a 27 threads per inch row or gauge was not
// found), so it stays refused, not guessed.
#include "GaugeData.h"

#include <array>

namespace orvanta::gauging {

namespace {

struct XRow {
    int tpiTenths;
    std::array<int, 3> tolerance; // to 1-1/2 in., above 1-1/2 to 4, above 4 to 8; 0: none
};

constexpr XRow kRows[] = {
    {800, {2, 0, 0}}, {720, {2, 0, 0}}, {640, {2, 0, 0}}, {560, {2, 3, 0}}, {480, {2, 3, 0}}, {440, {2, 3, 0}},
    {400, {2, 3, 0}}, {360, {2, 3, 0}}, {320, {3, 4, 5}}, {280, {3, 4, 5}}, {270, {0, 4, 5}}, {240, {3, 4, 5}},
    {200, {3, 4, 5}}, {180, {3, 4, 5}}, {160, {3, 4, 6}}, {140, {3, 4, 6}}, {130, {3, 4, 6}}, {120, {3, 4, 6}},
    {115, {3, 4, 6}}, {110, {3, 4, 6}}, {100, {3, 4, 6}}, {90, {3, 4, 6}},  {80, {4, 5, 6}},  {70, {4, 5, 6}},
    {60, {4, 5, 6}},  {50, {0, 5, 6}},  {45, {0, 5, 6}},  {40, {0, 5, 6}},
};

} // namespace

std::optional<int> unifiedXTolerance(int tpiTenths, long diameterMicro)
{
    std::size_t column = 0;
    if (diameterMicro > 8'000'000) {
        return std::nullopt;
    }
    if (diameterMicro > 4'000'000) {
        column = 2;
    } else if (diameterMicro > 1'500'000) {
        column = 1;
    }
    for (const XRow& row : kRows) {
        if (row.tpiTenths == tpiTenths) {
            const int value = row.tolerance[column];
            return value == 0 ? std::nullopt : std::optional<int>(value);
        }
    }
    return std::nullopt;
}

} // namespace orvanta::gauging
