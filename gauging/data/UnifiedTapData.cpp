// Ground-thread inch taps (ASME B94.9): the step between successive H
// limits and the highest H limit the limit system names, by threads per inch
// and nominal diameter. Hn runs from basic + (n - 1) x step to basic + n x
// step.
//
// Sources:
//   [W]   Widia, "Ground Thread Tap Limits", Figure 1: H1 to H10 at .0005 in.
//         "for taps through 1" inclusive, 8 TPI and finer", a second scale
//         "for sizes from 1-1-1/2" inclusive, 6 TPI and finer"; the chart
//         "does not indicate available taps in any particular size".
//         Widia catalogue 2017 p. Y98,
//         http://docs.steelcam.org/widia/obshij-katalog-widia-2017-page1802;
//         the same figure, Widia Master Catalog 2017 Inch p. W233,
//         http://online.flipbuilder.com/ekbmg/inlk/files/basic-html/page1931.html
//   [MD]  MD Technology, "Tap Factors", https://md-tech.net/tap-factors/:
//         "Pitch Diameter Limits for Taps Thru 1" Diameter", H1 = basic to
//         basic + .0005 up to H10 = basic + .0045 to basic + .0050, "the
//         tolerance for any h-limit is .0005"
//   [U]   USCTI Table 331 (ground thread taps) as printed by OSG: pitch
//         diameter tolerance .0005 "to 1" incl." for 80 to 24 threads per
//         inch (the coarser rows are cut off in both copies read), .0010 over
//         1 in. to 1-1/2 in.; OSG catalogue 2018-2019 p. 661,
//         https://docs.steelcam.org/osg/obshij-katalog-osg-2018-2019-page661,
//         and https://publications.dgisupply.com/view/792189521/771
//   [MH]  Machinery's Handbook 31st ed. Table 20 (machine screw sizes) and
//         Table 21 (fractional sizes), ground thread, ASME B94.9-2008:
//         limits .0005 wide from #0-80 (H1 0.0519-0.0524, H2 0.0524-0.0529)
//         to 1-8 (H4 0.9203-0.9208, H6 0.9213-0.9218),
//         https://online.flippingbook.com/view/954192180/1110-1111 and
//         https://online.flippingbook.com/view/954192180/1114-1115
// [MH] tabulates only the standard limits of each size (Table 20 heads
// columns H1 to H8), where [W] and [MD] name H1 to H10 for any tap through
// 1 in.: the highest limit here is the one they name, not a stock list.
// Above 1 in. the sources disagree: [MH] Table 21 prints H4 limits .0005
// wide up to 2-4-1/2 (1-1/8-7: 1.0337-1.0342), [U] gives a tolerance of
// .0010 over 1 to 1-1/2 in., and [W] draws a scale of its own there. Finer
// than 80 threads per inch none of them tabulates a tap, and coarser than 8
// [W] leaves outside its .0005 scale. All three are refused.
#include "GaugeData.h"

namespace orvanta::gauging {

namespace {

struct TapRange {
    int finestTpiTenths;
    int coarsestTpiTenths;
    long largestDiameterMicro; // inclusive
    UnifiedTapLimits limits;
};

constexpr TapRange kRanges[] = {
    {800, 80, 1'000'000, {5, 10}}, // [W][MD]; step also [U] (80 to 24 TPI) and [MH] (#0-80 to 1-8)
};

} // namespace

std::optional<UnifiedTapLimits> unifiedTapLimits(int tpiTenths, long diameterMicro)
{
    for (const TapRange& range : kRanges) {
        if (tpiTenths <= range.finestTpiTenths && tpiTenths >= range.coarsestTpiTenths && diameterMicro > 0 &&
            diameterMicro <= range.largestDiameterMicro) {
            return range.limits;
        }
    }
    return std::nullopt;
}

} // namespace orvanta::gauging
