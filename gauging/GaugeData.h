// The tables behind the gauges: ASME B1.2's X tolerance on the pitch
// diameter of inch thread gauges, and ISO 1502's gauge tolerances and wear
// allowances by the pitch diameter tolerance of the thread checked. The
// numbers live in data/, each beside the sources it was checked against.
#pragma once

#include <optional>

namespace orvanta::gauging {

// X tolerance in ten-thousandths of an inch, by threads per inch (in tenths)
// and nominal diameter (in millionths); nothing where the table has no value.
[[nodiscard]] std::optional<int> unifiedXTolerance(int tpiTenths, long diameterMicro);

// One row of the ISO 1502 table, in tenths of a micrometre (the table has
// half micrometres), for a thread pitch diameter tolerance over `overMicro`
// up to and including `upToMicro`.
struct IsoGaugeRow {
    int overMicro;
    int upToMicro;
    int ringTolerance;  // TR
    int plugTolerance;  // TPL
    int goRingPosition; // ZR: from d2max down to the middle of the GO ring's zone
    int goPlugPosition; // ZPL: from D2min up to the middle of the GO plug's zone
    int goRingWear;     // WGO of rings
    int goPlugWear;     // WGO of plugs
    int notGoRingWear;  // WNG of rings
    int notGoPlugWear;  // WNG of plugs
};

// The row for a pitch diameter tolerance in micrometres; nothing outside the
// table (24 to 900 µm).
[[nodiscard]] const IsoGaugeRow* isoGaugeRow(double toleranceMicro);

// Ground-thread inch taps (ASME B94.9): limit Hn spans basic + (n - 1) x step
// to basic + n x step, step in ten-thousandths of an inch, for n from 1 to
// highestLimit.
struct UnifiedTapLimits {
    int stepTenThousandths;
    int highestLimit;
};

// By threads per inch (in tenths) and nominal diameter (in millionths);
// nothing where the sources read do not settle the limits.
[[nodiscard]] std::optional<UnifiedTapLimits> unifiedTapLimits(int tpiTenths, long diameterMicro);

} // namespace orvanta::gauging
