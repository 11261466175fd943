// ISO 261 diameter/pitch combinations of the ISO general purpose metric
// threads, M1 to M100. A size or pitch not listed here is computed only
// where ISO 965-1's tables cover its diameter range and pitch, with a note
// saying so (MetricThreads.cpp); anything else is refused.
//
// Sources:
//   [L]  ISO 262 selection with coarse and fine pitches, 1 to 64 mm,
//        https://www.liquisearch.com/iso_metric_screw_thread/preferred_sizes
//   [J]  coarse pitches with their ISO 261 choice, M1 to M24 (JIS B 0205,
//        identical to ISO 261), https://hitopedia.net/ (table of general
//        metric coarse threads), and to M68, https://morishouji.co.jp/blog/article2.html?page=59
//   [B]  "Machine Drawing" Table 5.1, diameter-pitch combinations for ISO
//        metric threads, https://issuhub.com/view/index/5590?pageIndex=103
//   [T]  fine pitches from M1 x 0.2, https://tameson.com/pages/metric-thread-chart
//   [O]  6g limits of the fine threads M6 to M12 x 0.5, M12 x 1,
//        http://oeandl.com/thread-size-reference-guide-international-standards/
//   [I]  M14 x 1.25, https://industrialcalc.com/metric-thread-chart
//   [MH] Machinery's Handbook 27th ed. p.1802 Table 13 (continued): M72 x 2,
//        M75 x 1.5, M80 x 6, 2, 1.5, M85 x 2, M90 x 6, 2, M95 x 2,
//        https://www.yumpu.com/en/document/view/11356742/threads-and-threading-sportpilotinfo/82
//   [OSG] coarse pitches end at M68, https://faq.osg.co.jp/print/faq/2540?category_id=1&site_domain=default
// Disagreements: [L] lists no fine pitch for M1 to M7 where [T] lists
// 0.2 to 0.75; [B] and [L] give M12 only 1.5 and 1.25 where [O] publishes
// M12 x 1 limits; [B] gives M14 1.5 and 1, [I] 1.5 and 1.25; [B] prints 6
// in its coarse column from M72 to M100 where [OSG] ends the coarse series
// at M68, so above M68 the 6 is carried as a fine pitch. Each pitch a
// published table shows is carried.
#include "MetricData.h"

namespace orvanta::threads {

namespace {

constexpr MetricSizePitches kSizes[] = {
    {mm(1), mm(0.25), {mm(0.2)}},                            // [J][T]
    {mm(1.1), mm(0.25), {mm(0.2)}},                          // [J][T]
    {mm(1.2), mm(0.25), {mm(0.2)}},                          // [J][T]
    {mm(1.4), mm(0.3), {mm(0.2)}},                           // [J][T]
    {mm(1.6), mm(0.35), {mm(0.2)}},                          // [J][T]
    {mm(1.8), mm(0.35), {mm(0.2)}},                          // [J][T]
    {mm(2), mm(0.4), {mm(0.25)}},                            // [J][T]
    {mm(2.2), mm(0.45), {mm(0.25)}},                         // [J][B]
    {mm(2.5), mm(0.45), {mm(0.35)}},                         // [J][T][B]
    {mm(3), mm(0.5), {mm(0.35)}},                            // [J][T][B]
    {mm(3.5), mm(0.6), {mm(0.35)}},                          // [J][T][B]
    {mm(4), mm(0.7), {mm(0.5)}},                             // [J][T][B]
    {mm(4.5), mm(0.75), {mm(0.5)}},                          // [J][T][B]
    {mm(5), mm(0.8), {mm(0.5)}},                             // [J][T][B]
    {mm(5.5), 0, {mm(0.5)}},                                 // [T]
    {mm(6), mm(1), {mm(0.75), mm(0.5)}},                     // [J][T][O]
    {mm(7), mm(1), {mm(0.75), mm(0.5)}},                     // [J][T][O]
    {mm(8), mm(1.25), {mm(1), mm(0.75), mm(0.5)}},           // [J][T][B][O]
    {mm(9), mm(1.25), {mm(1), mm(0.75), mm(0.5)}},           // [J][T][O]
    {mm(10), mm(1.5), {mm(1.25), mm(1), mm(0.75), mm(0.5)}}, // [J][T][B][O]
    {mm(11), mm(1.5), {mm(1), mm(0.75), mm(0.5)}},           // [J][T][O]
    {mm(12), mm(1.75), {mm(1.5), mm(1.25), mm(1), mm(0.5)}}, // [J][B][L][O]
    {mm(14), mm(2), {mm(1.5), mm(1.25), mm(1)}},             // [J][B][I]
    {mm(16), mm(2), {mm(1.5), mm(1)}},                       // [J][L][B]
    {mm(18), mm(2.5), {mm(2), mm(1.5), mm(1)}},              // [J][L][B]
    {mm(20), mm(2.5), {mm(2), mm(1.5), mm(1)}},              // [J][L][B]
    {mm(22), mm(2.5), {mm(2), mm(1.5), mm(1)}},              // [J][L][B]
    {mm(24), mm(3), {mm(2), mm(1.5), mm(1)}},                // [J][L][B]
    {mm(27), mm(3), {mm(2), mm(1.5), mm(1)}},                // [J][L][B]
    {mm(30), mm(3.5), {mm(2), mm(1.5), mm(1)}},              // [J][L][B]
    {mm(33), mm(3.5), {mm(2), mm(1.5), mm(1)}},              // [J][L][B]
    {mm(36), mm(4), {mm(3), mm(2), mm(1.5)}},                // [J][L][B]
    {mm(39), mm(4), {mm(3), mm(2), mm(1.5)}},                // [J][L][B]
    {mm(42), mm(4.5), {mm(4), mm(3), mm(2)}},                // [J][L][B]
    {mm(45), mm(4.5), {mm(4), mm(3), mm(2)}},                // [J][L][B]
    {mm(48), mm(5), {mm(4), mm(3), mm(2)}},                  // [J][L][B]
    {mm(52), mm(5), {mm(4), mm(3), mm(2)}},                  // [J][L][B]
    {mm(56), mm(5.5), {mm(4), mm(3), mm(2)}},                // [J][L][B]
    {mm(60), mm(5.5), {mm(4), mm(3), mm(2)}},                // [J][L][B]
    {mm(64), mm(6), {mm(4), mm(3), mm(2)}},                  // [J][L][B]
    {mm(68), mm(6), {mm(4), mm(3), mm(2)}},                  // [J][B]
    {mm(72), 0, {mm(6), mm(4), mm(3), mm(2)}},               // [B][MH]
    {mm(75), 0, {mm(1.5)}},                                  // [MH]
    {mm(76), 0, {mm(6), mm(4), mm(3), mm(2)}},               // [B]
    {mm(80), 0, {mm(6), mm(4), mm(3), mm(2), mm(1.5)}},      // [B][MH]
    {mm(85), 0, {mm(6), mm(4), mm(3), mm(2)}},               // [B][MH]
    {mm(90), 0, {mm(6), mm(4), mm(3), mm(2)}},               // [B][MH]
    {mm(95), 0, {mm(6), mm(4), mm(3), mm(2)}},               // [B][MH]
    {mm(100), 0, {mm(6), mm(4), mm(3), mm(2)}},              // [B]
};

} // namespace

std::span<const MetricSizePitches> metricSizes()
{
    return kSizes;
}

} // namespace orvanta::threads
