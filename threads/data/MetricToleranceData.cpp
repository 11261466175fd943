// ISO 965-1 pitch diameter data of the ISO metric threads: Td2 of grade 6
// for external threads by diameter range and pitch, with the grades the
// table gives for that pitch, and the fundamental deviations e, f, g (G is
// the opposite of g, H and h are zero). Every other grade and the internal
// TD2 follow from these by the standard's R40 rule (MetricThreads.cpp).
// A range/pitch or pitch/position with no entry is refused.
//
// Sources:
//   [MH11] Machinery's Handbook 31st ed. Table 11, Td2 of external metric
//          threads, grades 3 to 9 (ISO 965-1, ASME B1.13M), ranges 1.5-2.8
//          to 22.4-45 mm up to P 3, https://online.flippingbook.com/view/954046886/655/
//   [MH10] the same page, Table 10, TD2 of internal threads grades 4 to 8,
//          90-180 mm (P 2 to 8) and 180-355 mm (P 3 to 8)
//   [F]    6h limits of M1 to M1.4 (ISO 965-2), Fabory,
//          https://ro.scribd.com/document/458030939/Fabory-Fasteners-Screw-Threads
//   [O]    6g limits of fine threads, http://oeandl.com/thread-size-reference-guide-international-standards/
//   [Z]    ISO 965-4 6az limits of the coarse threads M10 to M64,
//          http://sabrinastacy.com/tech-info/ISO/965-4
//   [TT]   6g/6H deviations of M16, M36, M60, M120 x 2,
//          https://www.scribd.com/document/177953705/Thread-Tables
//   [TL]   6H limits, M42 to M64, M12 to M22 x 0.75; 6g limits of M1 to
//          M1.4 x 0.2, https://github.com/adrianschlatter/threadlib
//          (design/metric_thread.csv at 227f481, "the numbers given in the norm")
//   [W]    6g limits of the coarse threads M1.6 to M39, Mastik catalogue p.711
//          "Limits for metric (standard) coarse threads according to ISO 965",
//          https://www.mastik.pt/wa_files/files/basic-html/page711.html (p.712
//          after it holds the fine threads)
//   [D]    ISO 4042 table of the fundamental deviations G, g, f, e for
//          P 0.2 to 2, https://www.fasteners.eu/tech-info/ISO/4042/
//   [Y]    G deviations of the coarse taps M1 to M9, Yamawa catalogue,
//          http://docs.steelcam.org/yamawa/obshij-katalog-yamawa-2021-page645
//   [MH13] Machinery's Handbook 27th ed. p.1802 Table 13 (continued), 6g and
//          4g6g limits of M72 to M95 with their allowance and tolerance columns,
//          https://www.yumpu.com/en/document/view/11356742/threads-and-threading-sportpilotinfo/82
// Values marked "limits" are the width of a published pair of 6g (or 6az)
// limits, or for internal limits the grade 6 Td2 whose TD2 = R40(1.32 Td2)
// is the published width: the only R40 value that gives it.
// Disagreements: [MH11] starts its first range at 1.5 mm where ISO 965-1
// has 0.99-1.4 and 1.4-2.8; [F]'s M1 to M1.4 limits give the 0.99-1.4
// values. [D] prints g at P 2 as -58, and its own G column, [TT] and [MH13] as 38.
// [MH11] lists no P 0.75 (nor 0.5) for 11.2-22.4 mm; [TL] and [O] print limits
// for them, so those rows carry the grades of the same pitch one range lower.
// Every grade of [MH10]'s TD2 rows follows from the single Td2 given here.
// Not backed (refused): e at P 2 and above, f above P 2, g at P 4.5, 5, 5.5
// and 8 - no published table of them or limits to 0.001 mm was found;
// [D]'s table is printed only up to P 2.
#include "MetricData.h"

namespace orvanta::threads {

namespace {

constexpr MetricGradeSixTolerance kGradeSix[] = {
    {mm(0.99), mm(1.4), mm(0.2), 48, 6},    // limits [TL] M1, M1.1, M1.2, M1.4 x 0.2 6g
    {mm(0.99), mm(1.4), mm(0.25), 53, 6},   // limits [F] M1, M1.1, M1.2 6h
    {mm(0.99), mm(1.4), mm(0.3), 56, 6},    // limits [F] M1.4 6h
    {mm(1.4), mm(2.8), mm(0.2), 50, 6},     // [MH11]
    {mm(1.4), mm(2.8), mm(0.25), 56, 6},    // [MH11]
    {mm(1.4), mm(2.8), mm(0.35), 63, 7},    // [MH11]
    {mm(1.4), mm(2.8), mm(0.4), 67, 7},     // [MH11]
    {mm(1.4), mm(2.8), mm(0.45), 71, 7},    // [MH11]
    {mm(2.8), mm(5.6), mm(0.35), 67, 7},    // [MH11]
    {mm(2.8), mm(5.6), mm(0.5), 75, 7},     // [MH11]
    {mm(2.8), mm(5.6), mm(0.6), 85, 7},     // [MH11]
    {mm(2.8), mm(5.6), mm(0.7), 90, 7},     // [MH11]
    {mm(2.8), mm(5.6), mm(0.75), 90, 7},    // [MH11]
    {mm(2.8), mm(5.6), mm(0.8), 95, 9},     // [MH11]
    {mm(5.6), mm(11.2), mm(0.5), 85, 7},    // limits [O] M6 to M11 x 0.5
    {mm(5.6), mm(11.2), mm(0.75), 100, 7},  // [MH11]
    {mm(5.6), mm(11.2), mm(1), 112, 9},     // [MH11]
    {mm(5.6), mm(11.2), mm(1.25), 118, 9},  // [MH11]
    {mm(5.6), mm(11.2), mm(1.5), 132, 9},   // [MH11]
    {mm(11.2), mm(22.4), mm(0.5), 90, 7},   // limits [O] M12 x 0.5
    {mm(11.2), mm(22.4), mm(0.75), 106, 7}, // limits [TL] M12 to M22 x 0.75 6H (TD2 140)
    {mm(11.2), mm(22.4), mm(1), 118, 9},    // [MH11]
    {mm(11.2), mm(22.4), mm(1.25), 132, 9}, // [MH11]
    {mm(11.2), mm(22.4), mm(1.5), 140, 9},  // [MH11]
    {mm(11.2), mm(22.4), mm(1.75), 150, 9}, // [MH11]
    {mm(11.2), mm(22.4), mm(2), 160, 9},    // [MH11]
    {mm(11.2), mm(22.4), mm(2.5), 170, 9},  // [MH11]
    {mm(22.4), mm(45), mm(1), 125, 9},      // [MH11]
    {mm(22.4), mm(45), mm(1.5), 150, 9},    // [MH11]
    {mm(22.4), mm(45), mm(2), 170, 9},      // [MH11]
    {mm(22.4), mm(45), mm(3), 200, 9},      // [MH11]; limits [Z] M24, M27; [TL] M42 x 3 6H
    {mm(22.4), mm(45), mm(3.5), 212, 9},    // limits [Z] M30, M33; [W] M30, M33 6g
    {mm(22.4), mm(45), mm(4), 224, 9},      // limits [Z] M36, M39; [W] M36, M39 6g
    {mm(22.4), mm(45), mm(4.5), 236, 9},    // limits [Z] M42, M45; [TL] M42, M45 6H
    {mm(45), mm(90), mm(1.5), 160, 9},      // [MH13] M75, M80 x 1.5 6g (4g 100)
    {mm(45), mm(90), mm(2), 180, 9},        // limits [TT] M60 x 2 6g; [TL] M48 x 2 6H; [MH13] M72 to M90 x 2
    {mm(45), mm(90), mm(3), 212, 9},        // limits [TL] M48 x 3, M64 x 3 6H
    {mm(45), mm(90), mm(4), 236, 9},        // limits [TL] M56 x 4, M64 x 4 6H
    {mm(45), mm(90), mm(5), 250, 9},        // limits [Z] M48, M52; [TL] M48 6H
    {mm(45), mm(90), mm(5.5), 265, 9},      // limits [Z] M56, M60; [TL] M56, M60 6H
    {mm(45), mm(90), mm(6), 280, 9},        // limits [Z] M64; [TL] M64 6H; [MH13] M80, M90 x 6 (4g 180)
    {mm(90), mm(180), mm(2), 190, 9},       // [MH13] M95 x 2; [TT] M120 x 2; [MH10] TD2 6H 250
    {mm(90), mm(180), mm(3), 224, 9},       // [MH10] TD2 6H 300
    {mm(90), mm(180), mm(4), 250, 9},       // [MH10] TD2 6H 335
    {mm(90), mm(180), mm(6), 300, 9},       // [MH10] TD2 6H 400
    {mm(90), mm(180), mm(8), 335, 9},       // [MH10] TD2 6H 450
    {mm(180), mm(355), mm(3), 250, 9},      // [MH10] TD2 6H 335
    {mm(180), mm(355), mm(4), 280, 9},      // [MH10] TD2 6H 375
    {mm(180), mm(355), mm(6), 315, 9},      // [MH10] TD2 6H 425
    {mm(180), mm(355), mm(8), 355, 9},      // [MH10] TD2 6H 475
};

// es of e, f and g in µm. e and f are not given for the finest pitches.
constexpr int kNone = kNoDeviation;
constexpr MetricDeviations kDeviations[] = {
    {mm(0.2), kNone, kNone, -17},  // [D]
    {mm(0.25), kNone, kNone, -18}, // [D]
    {mm(0.3), kNone, kNone, -18},  // [D][Y]
    {mm(0.35), kNone, -34, -19},   // [D][Y]
    {mm(0.4), kNone, -34, -19},    // [D]
    {mm(0.45), kNone, -35, -20},   // [D]
    {mm(0.5), -50, -36, -20},      // [D][Y]
    {mm(0.6), -53, -36, -21},      // [D][Y]
    {mm(0.7), -56, -38, -22},      // [D][Y]
    {mm(0.75), -56, -38, -22},     // [D][Y]
    {mm(0.8), -60, -38, -24},      // [D][Y]
    {mm(1), -60, -40, -26},        // [D][Y]
    {mm(1.25), -63, -42, -28},     // [D][Y]
    {mm(1.5), -67, -45, -32},      // [D]
    {mm(1.75), -71, -48, -34},     // [D]
    {mm(2), kNone, -52, -38},      // [D] (g printed -58, G 38), [TT]
    {mm(2.5), kNone, kNone, -42},  // limits [W] M18 to M22 6g
    {mm(3), kNone, kNone, -48},    // limits [W] M24, M27 6g
    {mm(3.5), kNone, kNone, -53},  // limits [W] M30, M33 6g
    {mm(4), kNone, kNone, -60},    // limits [W] M36, M39 6g
    {mm(6), kNone, kNone, -80},    // [MH13] allowance of M80, M90 x 6
};

} // namespace

std::span<const MetricGradeSixTolerance> metricGradeSixTolerances()
{
    return kGradeSix;
}

std::span<const MetricDeviations> metricDeviations()
{
    return kDeviations;
}

} // namespace orvanta::threads
