// The deviations of the ISO metric classes for hot-dip galvanized threads,
// as printed, for the coarse threads M10 to M64:
//   6az  ISO 965-4, external threads made undersize before galvanizing, to
//        mate with nuts of position H or G tapped after galvanizing;
//   6AZ, 6AX  ISO 965-5, nuts tapped oversize after galvanizing, to mate
//        with galvanized bolts of maximum size h before galvanizing.
//
// Sources:
//   [Z4]  ISO 965-4 deviation table (es/ei of d2 and d, es of d3 "for the
//         stress") and its 6az limits M10 to M42,
//         http://sabrinastacy.com/tech-info/ISO/965-4
//   [Z5]  ISO 965-5 deviation table (ES/EI of D2 and D1 for 6AZ and 6AX) and
//         its 6AZ limits M10 to M33, https://www.fasteners.eu/tech-info/ISO/965-5/
//   [F5]  ISO 965-5 abstract with its formulas EI(AZ) = +(300 + 20P) and
//         EI(AX) = +(220P - 20), µm with P in mm,
//         https://www.boutique.afnor.org/standard/nf-iso-965-5/iso-general-purpose-metric-screw-threads-tolerances-part-5-limits-of-sizes-for-internal-screw-threads-to-mate-with-hot-dip-galva/article/738744/fa136518
//   [MD]  es of 6az by size, "Table 9" of the Maryland Metrics page on hot-dip
//         galvanized fasteners (ISO 10684 / ISO 965-4),
//         https://scribd.com/document/336872738/Corrosion-protection-Hot-dip-galvanized-fasteners-pdf
// Agreement: every EI of [Z5] is the [F5] formula; es of az in [Z4] is the
// same -(300 + 20P) at every pitch, and [MD] prints the same es for M10 to
// M64; the d3 deviation is es - H/6 (0.144338P) rounded. The widths of every
// row are ISO 965-1's grade 6 tolerances: Td2 and Td of 6az and TD2, TD1 of
// 6AZ/6AX equal MetricToleranceData.cpp's Td2 (TD2 = R40(1.32 Td2)) and
// MetricCrestData.cpp's Td and TD1 wherever those tables hold a value; Td
// at P 4.5, 5 and 5.5 (500, 530, 560) is given by [Z4] alone.
// Disagreement: [MD] gives M8 es -295 (and M6 -290, "not regulated by
// standards"), where -(300 + 20P) gives -325 at P 1.25. M8's limits are
// in ISO 10684 Annex B, for which no transcription was found: M8 is refused.
// Fine pitches: neither table prints one, so they are refused.
#include "MetricData.h"

namespace orvanta::threads {

namespace {

constexpr MetricGalvanizedDeviations kGalvanized[] = {
    // pitch   sizes                         6az d2, d, d3                  6AZ D2, D1            6AX D2, D1
    {mm(1.5), {mm(10), 0, 0}, {-330, -462, -330, -566, -547}, {510, 330, 630, 330}, {490, 310, 610, 310}},
    {mm(1.75), {mm(12), 0, 0}, {-335, -485, -335, -600, -588}, {535, 335, 670, 335}, {565, 365, 700, 365}},
    {mm(2), {mm(14), mm(16), 0}, {-340, -500, -340, -620, -629}, {552, 340, 715, 340}, {632, 420, 795, 420}},
    {mm(2.5), {mm(18), mm(20), mm(22)}, {-350, -520, -350, -685, -711}, {574, 350, 800, 350}, {754, 530, 980, 530}},
    {mm(3), {mm(24), mm(27), 0}, {-360, -560, -360, -735, -793}, {625, 360, 860, 360}, {905, 640, 1140, 640}},
    {mm(3.5), {mm(30), mm(33), 0}, {-370, -582, -370, -795, -875}, {650, 370, 930, 370}, {1030, 750, 1310, 750}},
    {mm(4), {mm(36), mm(39), 0}, {-380, -604, -380, -855, -957}, {680, 380, 980, 380}, {1160, 860, 1460, 860}},
    {mm(4.5), {mm(42), mm(45), 0}, {-390, -626, -390, -890, -1040}, {705, 390, 1060, 390}, {1285, 970, 1640, 970}},
    {mm(5), {mm(48), mm(52), 0}, {-400, -650, -400, -930, -1122}, {735, 400, 1110, 400}, {1415, 1080, 1790, 1080}},
    {mm(5.5), {mm(56), mm(60), 0}, {-410, -675, -410, -970, -1204}, {765, 410, 1160, 410}, {1545, 1190, 1940, 1190}},
    {mm(6), {mm(64), 0, 0}, {-420, -700, -420, -1020, -1286}, {795, 420, 1220, 420}, {1675, 1300, 2100, 1300}},
};

} // namespace

std::span<const MetricGalvanizedDeviations> metricGalvanizedDeviations()
{
    return kGalvanized;
}

} // namespace orvanta::threads
