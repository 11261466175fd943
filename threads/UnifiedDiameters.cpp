#include "UnifiedDiameters.h"

#include "Rounding.h"

#include <algorithm>
#include <cmath>

// How the crest and root diameters are reckoned, and where each step was
// checked:
// - Pitch to eight decimals, major tolerance to six, each limit to four:
//   Machinery's Handbook 31st ed. Tables 3 to 6 (worked examples for
//   1/2-28 UNEF and 19/64-28/36 UNS, pp. 624-637 of the flippingbook copy).
//   The tables round the thread heights to four, not six (below).
// - Major diameter tolerance 0.060P^(2/3) for 2A and 3A, 0.090P^(2/3) for
//   1A: the same tables, and the engineersedge table of major diameter
//   tolerances (0.0150 and 0.0225 at 8 threads per inch).
// - Internal minor diameter tolerance 0.25P - 0.40P^2 for 1B and 2B of
//   1/4 in. and up: the 31st ed. Table 6 and engineersedge's internal
//   thread formulas. Below 1/4 in., and for 3B, 0.05P^(2/3) + 0.03P/D -
//   0.002 held between a floor (0.25P - 0.40P^2; for 3B 0.120P at 12 threads
//   per inch and coarser, else 0.23P - 1.5P^2) and 0.394P: no public copy of
//   that clause's text was found; it is the form every 3B row of p. 1755 and
//   every number-size row of the charts needs (#12-36: 0.192 from the floor,
//   #1-64: 0.0623 from 0.394P, #8-32: 0.139 from the formula).
// - Internal minor diameter to three decimals for classes 1B and 2B from
//   0.138 in. up, its minimum for 3B too (a zero added); everything else to
//   four: ASME B1.30 sec. 3.1 as quoted by onlinestandardssearch.com.
// Every rule below reproduces the rows of Machinery's Handbook 27th ed.
// p. 1755 (Table 3), efunda's unified table, the scribd UNC class 2B chart
// and microadvances' 2A/2B chart; tests/data/published_diameters_inch.csv
// holds them, with the rows that disagree and why.

namespace orvanta::threads {

namespace {

// #6 and larger: class 1B and 2B minor diameters in thousandths.
constexpr long kThreeDecimalsFromMicro = 138'000;
// 1/4 in. and larger: classes 1B and 2B take 0.25P - 0.40P^2 outright.
constexpr long kQuarterInchMicro = 250'000;
// Classes 3B of 12 threads per inch and coarser are held to 0.120P at least.
constexpr int kCoarseThreeBTpiTenths = 120;

// The pitch in units of 10^-8 inch, as the tables round it.
long long pitchE8(int tpiTenths)
{
    return std::llround(1e9 / tpiTenths);
}

// The internal minor diameter tolerance in units of 10^-18 inch, exact where
// the terms are polynomials in the rounded pitch so that the tables' halves
// (0.00775 for 20 threads per inch) round as they did.
long long minorToleranceE18(long diameterMicro, int tpiTenths, int grade)
{
    const long long p = pitchE8(tpiTenths);
    const long long oneTwoBRule = 25 * p * 100'000'000LL - 40 * p * p; // 0.25P - 0.40P^2
    if (grade != 3 && diameterMicro >= kQuarterInchMicro) {
        return oneTwoBRule;
    }
    const double pitch = static_cast<double>(p) / 1e8;
    const double diameter = static_cast<double>(diameterMicro) / 1e6;
    const auto formula = std::llround((0.05 * std::pow(pitch, 2.0 / 3.0) + 0.03 * pitch / diameter - 0.002) *
                                      1e18);       // small sizes and 3B
    const long long most = 394 * p * 10'000'000LL; // 0.394P
    long long least = oneTwoBRule;
    if (grade == 3) {
        least = tpiTenths <= kCoarseThreeBTpiTenths ? 12 * p * 100'000'000LL                // 0.120P
                                                    : 23 * p * 100'000'000LL - 150 * p * p; // 0.23P - 1.5P^2
    }
    return std::clamp(formula, least, most);
}

} // namespace

void setUnifiedDiameters(SideLimits& side, long diameterMicro, int tpiTenths, UnifiedClass c, long long allowanceE4)
{
    const long long p = pitchE8(tpiTenths);
    const long long basicE4 = roundDown(diameterMicro, 6, 4);

    if (c.external) {
        const long long maxE4 = basicE4 - allowanceE4;
        const double pitch = static_cast<double>(p) / 1e8;
        const long long toleranceE6 = roundToUnits((c.grade == 1 ? 0.090 : 0.060) * std::pow(pitch, 2.0 / 3.0), 6);
        // One tolerance from a rounded limit: a half to the even neighbour,
        // as the pitch diameter's minimum.
        const long long minE4 = roundDownHalfEven(maxE4 * 100 - toleranceE6, 6, 4);
        // The rounded-root (UNR) minor diameter: the standard gives its
        // maximum for reference only, and no minimum. The tables take the
        // double height 2hn = 1.08253175P and the root's H/8 = 0.10825318P
        // each to four decimals: that reproduces 27 of 28 rows of the
        // handbook's p. 1755 and efunda, where 1.19078493P in one term (the
        // 31st ed. worked example) misses 12 of them by 0.0001.
        const long long rootE4 = maxE4 - roundDown(108'253'175LL * p, 16, 4) - roundDown(10'825'318LL * p, 16, 4);
        side.major = {static_cast<double>(maxE4) / 1e4, static_cast<double>(minE4) / 1e4};
        side.minor = {static_cast<double>(rootE4) / 1e4, std::nullopt};
        return;
    }

    // The basic minor diameter to four decimals, then the tolerance: the
    // handbook's worked example carries six decimals, but the tables' #10-24
    // (0.145/0.156) and 1-3/4-5 UNC (1.534/1.568) rows need four, and an
    // exact half then going to the even neighbour gives 2-1/2-14 UNS its
    // 2.438.
    const long long basicMinorE4 = roundDown(diameterMicro * 10'000'000'000LL - 108'253'175LL * p, 16, 4);
    const long long toleranceE4 = roundDown(minorToleranceE18(diameterMicro, tpiTenths, c.grade), 18, 4);
    long long minE4 = basicMinorE4;
    long long maxE4 = basicMinorE4 + toleranceE4;
    if (diameterMicro >= kThreeDecimalsFromMicro) {
        minE4 = roundDownHalfEven(minE4, 4, 3) * 10;
        if (c.grade != 3) {
            maxE4 = roundDownHalfEven(maxE4, 4, 3) * 10;
        }
    }
    side.minor = {static_cast<double>(maxE4) / 1e4, static_cast<double>(minE4) / 1e4};
    // The major maximum is left to the tap's crest: the standard sets none.
    side.major = {std::nullopt, static_cast<double>(basicE4) / 1e4};
}

} // namespace orvanta::threads
