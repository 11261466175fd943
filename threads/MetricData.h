// The tables behind the ISO metric threads: the ISO 261 diameter/pitch
// series, the grade 6 pitch diameter tolerances and the fundamental
// deviations of ISO 965-1. The numbers live in data/, each beside the
// source it was checked against.
#pragma once

#include <span>

namespace orvanta::threads {

// Micrometres from millimetres as the tables write them.
constexpr long mm(double millimetres)
{
    return static_cast<long>(millimetres * 1000.0 + 0.5);
}

struct MetricSizePitches {
    long diameterMicro;
    long coarsePitchMicro;  // 0 when the size has no coarse pitch
    long finePitchMicro[5]; // 0 ends the list
};

// Td2 of grade 6 (external), in µm, for a diameter range "over ... up to
// and including" and a pitch.
struct MetricGradeSixTolerance {
    long overMicro;
    long upToMicro;
    long pitchMicro;
    int micrometres;
    int highestGrade; // the table's grades run from 3 to this one for the pitch
};

// Fundamental deviations in µm by pitch; kNoDeviation where the table gives none.
inline constexpr int kNoDeviation = 0x7fff;
struct MetricDeviations {
    long pitchMicro;
    int e; // es of e (negative)
    int f; // es of f
    int g; // es of g; EI of G is its opposite
};

// Crest diameter tolerances in µm by pitch: Td of grades 4, 6, 8 (external
// major diameter) and TD1 of grades 4 to 8 (internal minor diameter); 0 where
// the table gives no value.
struct MetricCrestTolerances {
    long pitchMicro;
    int majorTolerance[3]; // Td, grades 4, 6, 8
    int minorTolerance[5]; // TD1, grades 4 to 8
};

// The deviations of the classes for hot-dip galvanized threads, in µm, by
// pitch, as ISO 965-4 (6az, limits before galvanizing) and ISO 965-5 (6AZ,
// 6AX, nuts tapped after galvanizing) print them, with the coarse sizes
// their tables list for the pitch (0 ends the list).
struct MetricGalvanizedDeviations {
    long pitchMicro;
    long diameterMicro[3];
    int az[5]; // es and ei of d2, es and ei of d, es of d3 (the rounded root)
    int AZ[4]; // ES and EI of D2, ES and EI of D1
    int AX[4]; // ES and EI of D2, ES and EI of D1
};

[[nodiscard]] std::span<const MetricSizePitches> metricSizes();
[[nodiscard]] std::span<const MetricGradeSixTolerance> metricGradeSixTolerances();
[[nodiscard]] std::span<const MetricDeviations> metricDeviations();
[[nodiscard]] std::span<const MetricCrestTolerances> metricCrestTolerances();
[[nodiscard]] std::span<const MetricGalvanizedDeviations> metricGalvanizedDeviations();

} // namespace orvanta::threads
