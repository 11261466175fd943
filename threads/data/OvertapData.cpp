// ASTM A563's overtapping allowances of hot-dip galvanized nuts: the
// diametral allowance added to the class 2B pitch diameter limits, by
// nominal size and pitch, for the UNC series and the 8-UN sizes it lists.
//
// Source:
//   [PB] Portland Bolt, "Galvanized nuts tapped oversize", table "Nut
//        Overtapping Allowances" (allowance with the pitch diameter min and max
//        after overtapping), https://www.portlandbolt.com/technical/faqs/galvanized-nuts-tapped-oversize/
//   [AGA] American Galvanizers Association, overtapping guidelines: nuts for
//        galvanized bolts tapped oversize as ASTM A563 details,
//        https://galvanizeit.org/hot-dip-galvanized-steel-bridges-online-seminar/connection-concerns/overtapping-guidelines
// Check: on every row, [PB]'s minimum and maximum are ASME B1.1's class 2B
// pitch diameter limits (UnifiedThreads.cpp) plus the allowance, to the
// last digit. [PB] prints 9/16-12 as "0.0562 - 12", a typo for 0.562 (its
// limits are 9/16-12 UNC-2B's plus 0.020). [AGA]'s table could not be read
// from its page; no second transcription of the numbers was found.
// Cut short: the transcription read stops after 3-3/4-4 (its minimum only);
// 4-4 UNC, listed by A563 as far as the 1-3/4 to 4 in row goes, is refused
// rather than assumed.
#include "Overtap.h"

namespace orvanta::threads {

namespace {

constexpr OvertapAllowance kOvertap[] = {
    {250'000, 200, 16},  // [PB] 1/4-20
    {312'500, 180, 17},  // [PB] 5/16-18
    {375'000, 160, 17},  // [PB] 3/8-16
    {437'500, 140, 18},  // [PB] 7/16-14
    {500'000, 130, 18},  // [PB] 1/2-13
    {562'500, 120, 20},  // [PB] 9/16-12
    {625'000, 110, 20},  // [PB] 5/8-11
    {750'000, 100, 20},  // [PB] 3/4-10
    {875'000, 90, 22},   // [PB] 7/8-9
    {1'000'000, 80, 24}, // [PB] 1-8
    {1'125'000, 80, 24}, // [PB] 1-1/8-8 (8-UN)
    {1'125'000, 70, 24}, // [PB] 1-1/8-7
    {1'250'000, 80, 24}, // [PB] 1-1/4-8 (8-UN)
    {1'250'000, 70, 24}, // [PB] 1-1/4-7
    {1'375'000, 80, 27}, // [PB] 1-3/8-8 (8-UN)
    {1'375'000, 60, 27}, // [PB] 1-3/8-6
    {1'500'000, 80, 27}, // [PB] 1-1/2-8 (8-UN)
    {1'500'000, 60, 27}, // [PB] 1-1/2-6
    {1'750'000, 50, 50}, // [PB] 1-3/4-5
    {2'000'000, 45, 50}, // [PB] 2-4.5
    {2'250'000, 45, 50}, // [PB] 2-1/4-4.5
    {2'500'000, 40, 50}, // [PB] 2-1/2-4
    {2'750'000, 40, 50}, // [PB] 2-3/4-4
    {3'000'000, 40, 50}, // [PB] 3-4
    {3'250'000, 40, 50}, // [PB] 3-1/4-4
    {3'500'000, 40, 50}, // [PB] 3-1/2-4
    {3'750'000, 40, 50}, // [PB] 3-3/4-4 (minimum only printed)
};

} // namespace

std::span<const OvertapAllowance> overtapAllowances()
{
    return kOvertap;
}

} // namespace orvanta::threads
