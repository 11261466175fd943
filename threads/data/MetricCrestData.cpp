// ISO 965-1 crest diameter tolerances of the ISO metric threads, by pitch:
// Td, the major diameter tolerance of external threads (grades 4, 6, 8),
// and TD1, the minor diameter tolerance of internal threads (grades 4 to 8).
// 0 marks a cell no source below backs: the limit it would set is left
// empty rather than guessed.
//
// Sources:
//   [MH8]  Machinery's Handbook 27th ed. p.1794 Table 8, TD1 of internal
//          metric threads (ISO 965/1, ASME B1.13M), P 0.2 to 0.7,
//          https://www.yumpu.com/en/document/view/11356742/threads-and-threading-sportpilotinfo/74
//   [MH13] Machinery's Handbook 27th ed. p.1802 Table 13 (continued), 6g
//          major limits of M72 to M95,
//          https://www.yumpu.com/en/document/view/11356742/threads-and-threading-sportpilotinfo/82
//   [W]    6g (M1 to M1.4: 6h) major limits of the coarse threads M1 to M39,
//          "Limits for metric (standard) coarse threads according to ISO 965",
//          https://zims-en.kiwix.campusafrica.gos.orange.com/wikipedia_en_all_nopic/A/ISO_965
//          and Mastik p.711, https://www.mastik.pt/wa_files/files/basic-html/page711.html
//   [A]    6g, 6h and 4g6g major limits M1.6 to M10,
//          https://amesweb.info/screws/metric-thread-chart.aspx
//   [TL]   6g major and 6H minor limits, https://github.com/adrianschlatter/threadlib
//          (design/metric_thread.csv at 227f481); its external limits are
//          printed to 0.01 mm above M10, so only its internal ones are used there.
// Values marked "limits" are the width of a published pair of limits.
// Not backed: Td of grades 4 and 8 (no published 4h or 8g limits found), Td
// of P 4.5 to 5.5 ([TL] prints those major limits to 0.01 mm only), TD1 of
// grades other than 6 above P 0.7. [TL] prints 6H minor limits at P 0.2 and
// 0.25, where [MH8] has no grade 6: [MH8] is followed.
#include "MetricData.h"

namespace orvanta::threads {

namespace {

constexpr MetricCrestTolerances kCrest[] = {
    // pitch      Td 4, 6, 8      TD1 4, 5, 6, 7, 8
    {mm(0.2), {0, 56, 0}, {38, 0, 0, 0, 0}},         // Td limits [TL] M1x0.2; TD1 [MH8]
    {mm(0.25), {0, 67, 0}, {45, 56, 0, 0, 0}},       // Td limits [W] M1 6h, [TL] M1; TD1 [MH8]
    {mm(0.3), {0, 75, 0}, {53, 67, 85, 0, 0}},       // Td limits [W] M1.4 6h; TD1 [MH8]
    {mm(0.35), {0, 85, 0}, {63, 80, 100, 0, 0}},     // Td limits [A][W] M1.6; TD1 [MH8], limits [TL] M1.6
    {mm(0.4), {0, 95, 0}, {71, 90, 112, 0, 0}},      // Td limits [A][W] M2; TD1 [MH8], limits [TL] M2
    {mm(0.45), {0, 100, 0}, {80, 100, 125, 0, 0}},   // Td limits [A][W] M2.5; TD1 [MH8], limits [TL] M2.5
    {mm(0.5), {0, 106, 0}, {90, 112, 140, 180, 0}},  // Td limits [A][W] M3; TD1 [MH8], limits [TL] M3
    {mm(0.6), {0, 125, 0}, {100, 125, 160, 200, 0}}, // Td limits [A][W] M3.5; TD1 [MH8], limits [TL] M3.5
    {mm(0.7), {0, 140, 0}, {112, 140, 180, 224, 0}}, // Td limits [A][W] M4; TD1 [MH8], limits [TL] M4
    {mm(0.75), {0, 140, 0}, {0, 0, 190, 0, 0}},      // limits [TL] M4.5x0.75
    {mm(0.8), {0, 150, 0}, {0, 0, 200, 0, 0}},       // limits [A][W] M5; [TL] M5
    {mm(1), {0, 180, 0}, {0, 0, 236, 0, 0}},         // limits [W] M6; [TL] M6
    {mm(1.25), {0, 212, 0}, {0, 0, 265, 0, 0}},      // limits [W] M8; [TL] M8
    {mm(1.5), {0, 236, 0}, {0, 0, 300, 0, 0}},       // limits [W] M10, [MH13] M75x1.5; [TL] M10
    {mm(1.75), {0, 265, 0}, {0, 0, 335, 0, 0}},      // limits [W] M12; [TL] M12
    {mm(2), {0, 280, 0}, {0, 0, 375, 0, 0}},         // limits [W] M14, [MH13] M72x2; [TL] M14
    {mm(2.5), {0, 335, 0}, {0, 0, 450, 0, 0}},       // limits [W] M18; [TL] M18
    {mm(3), {0, 375, 0}, {0, 0, 500, 0, 0}},         // limits [W] M24; [TL] M24
    {mm(3.5), {0, 425, 0}, {0, 0, 560, 0, 0}},       // limits [W] M30; [TL] M30
    {mm(4), {0, 475, 0}, {0, 0, 600, 0, 0}},         // limits [W] M36; [TL] M36
    {mm(4.5), {0, 0, 0}, {0, 0, 670, 0, 0}},         // limits [TL] M42
    {mm(5), {0, 0, 0}, {0, 0, 710, 0, 0}},           // limits [TL] M48
    {mm(5.5), {0, 0, 0}, {0, 0, 750, 0, 0}},         // limits [TL] M56
    {mm(6), {0, 600, 0}, {0, 0, 800, 0, 0}},         // limits [MH13] M80x6; [TL] M64
};

} // namespace

std::span<const MetricCrestTolerances> metricCrestTolerances()
{
    return kCrest;
}

} // namespace orvanta::threads
