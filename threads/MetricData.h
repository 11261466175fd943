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

[[nodiscard]] std::span<const MetricSizePitches> metricSizes();
[[nodiscard]] std::span<const MetricGradeSixTolerance> metricGradeSixTolerances();
[[nodiscard]] std::span<const MetricDeviations> metricDeviations();
[[nodiscard]] std::span<const MetricCrestTolerances> metricCrestTolerances();

} // namespace orvanta::threads
