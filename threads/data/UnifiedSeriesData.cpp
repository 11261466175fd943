// The Unified inch standard series of ASME B1.1 (its table of standard
// series): threads per inch by nominal size, and the published values the
// tolerance formulas do not reproduce.
//
// Sources the series were read from, row by row:
//   [E]   Eisen thread-gauge chart "Table for unified thread, type and number
//         of thread", https://eisen.gr.jp/e/products/pin/pin_02.php?pgid=SPU
//         (#0 to 1-3/4 in., every series column)
//   [M4a] Machinery's Handbook 31st ed. p.1978 Table 4a (UNC),
//         https://online.flippingbook.com/view/954046886/592
//   [M4c] the same, p.1980 Table 4c (UNEF), https://online.flippingbook.com/view/954046886/594
//   [M5c] the same, p.1983 Table 5c (8-UN, 1 to 6 in.), https://online.flippingbook.com/view/954046886/597
//   [Y47] Machinery's Handbook 27th ed. p.1767 Table 5b (6-UN, 1-3/8 to 2-7/8 in.),
//         https://www.yumpu.com/en/document/view/11356742/threads-and-threading-sportpilotinfo/47
//   [Y42] the same, p.1762 Table 3 (5-3/4 and 6 in. rows),
//         https://www.yumpu.com/en/document/view/11356742/threads-and-threading-sportpilotinfo/42
//   [D]   the same, p.1755 Table 3 (2-3/8 and 2-1/2 in. rows),
//         https://text.123docz.net/document/2062979-machinerys-handbook-27th-episode-3-part-3-pps.htm
//   [S]   UNC class 2B chart, #1 to 4 in.,
//         https://ar.scribd.com/document/395466526/Internal-Thread-Dimensions-for-UNC-Screw-Thread-2016
//   [EF]  efunda standard series index, http://www.efunda.com/DesignStandards/screws/unified.cfm
//
// Where a constant-pitch column meets a size whose UNC, UNF or UNEF thread
// has the same pitch, the standard prints that series instead ([E] leaves
// the cell blank; [M5c] and [Y47] mark 1-8, 1-3/8-6 and 1-1/2-6 as UNC): the
// thread is entered once, under that series.
//
// From 1-13/16 in. up, the 6-, 8-, 12- and 16-UN columns fill every size to
// 6 in. and the 20-UN column every size to 3 in. Read in full: 8-UN [M5c].
// Read in part, every cell read filled and none found blank:
//   6-UN   1-3/8 to 2-7/8 [Y47]; 2-7/8-6 UN, the first row of efunda's page
//          "2 7/8-6 UN to 4-16 UN" [EF]
//   12-UN  2-1/2 [D]; 5-3/4 and 6 [Y42]; 1-7/8-12 UN, the -24 port thread
//          of SAE J1926 / ISO 11926-1, which prints it UN, not UNS [J]
//   16-UN  2-1/2 [D]; 4-16 UN, the last row of efunda's page [EF]; 5-3/4
//          and 6 [Y42]
//   20-UN  "from 5/16 to 3 in." [G]; 1-15/16 and 2-3/4 [EF]; 2-3/8 and
//          2-1/2 [D]; none at 4, 5-3/4 or 6 [EF][Y42]
//   [J]   SAE J1926 O-ring port table, sizes -2 to -24,
//         https://industrialmonitordirect.com/blogs/knowledgebase/sae-o-ring-boss-port-dimensions-and-tolerances
//   [G]   tap maker's 20-UN page, https://gewindebohrer.de/en/service/thread-standards/20-un-thread-usa
// The 4-UN column above 1-3/4 in. could not be read: only its UNC cells
// (2-1/2 to 4 in.) are entered, and efunda has no 2-7/8-4 row. Those
// pitches at other sizes are refused rather than guessed (see
// unverifiedConstantPitch).
#include "UnifiedData.h"

#include <array>

namespace orvanta::threads {

namespace {

constexpr long inches(long whole, long numerator = 0, long denominator = 1)
{
    return whole * 1'000'000 + numerator * (1'000'000 / denominator);
}

constexpr UnifiedSize kSizes[] = {
    {"#0", 60'000},
    {"#1", 73'000},
    {"#2", 86'000},
    {"#3", 99'000},
    {"#4", 112'000},
    {"#5", 125'000},
    {"#6", 138'000},
    {"#8", 164'000},
    {"#10", 190'000},
    {"#12", 216'000},
    {"1/4", inches(0, 1, 4)},
    {"5/16", inches(0, 5, 16)},
    {"3/8", inches(0, 3, 8)},
    {"7/16", inches(0, 7, 16)},
    {"1/2", inches(0, 1, 2)},
    {"9/16", inches(0, 9, 16)},
    {"5/8", inches(0, 5, 8)},
    {"11/16", inches(0, 11, 16)},
    {"3/4", inches(0, 3, 4)},
    {"13/16", inches(0, 13, 16)},
    {"7/8", inches(0, 7, 8)},
    {"15/16", inches(0, 15, 16)},
    {"1", inches(1)},
    {"1-1/16", inches(1, 1, 16)},
    {"1-1/8", inches(1, 1, 8)},
    {"1-3/16", inches(1, 3, 16)},
    {"1-1/4", inches(1, 1, 4)},
    {"1-5/16", inches(1, 5, 16)},
    {"1-3/8", inches(1, 3, 8)},
    {"1-7/16", inches(1, 7, 16)},
    {"1-1/2", inches(1, 1, 2)},
    {"1-9/16", inches(1, 9, 16)},
    {"1-5/8", inches(1, 5, 8)},
    {"1-11/16", inches(1, 11, 16)},
    {"1-3/4", inches(1, 3, 4)},
    {"1-13/16", inches(1, 13, 16)},
    {"1-7/8", inches(1, 7, 8)},
    {"1-15/16", inches(1, 15, 16)},
    {"2", inches(2)},
    {"2-1/8", inches(2, 1, 8)},
    {"2-1/4", inches(2, 1, 4)},
    {"2-3/8", inches(2, 3, 8)},
    {"2-1/2", inches(2, 1, 2)},
    {"2-5/8", inches(2, 5, 8)},
    {"2-3/4", inches(2, 3, 4)},
    {"2-7/8", inches(2, 7, 8)},
    {"3", inches(3)},
    {"3-1/8", inches(3, 1, 8)},
    {"3-1/4", inches(3, 1, 4)},
    {"3-3/8", inches(3, 3, 8)},
    {"3-1/2", inches(3, 1, 2)},
    {"3-5/8", inches(3, 5, 8)},
    {"3-3/4", inches(3, 3, 4)},
    {"3-7/8", inches(3, 7, 8)},
    {"4", inches(4)},
    {"4-1/8", inches(4, 1, 8)},
    {"4-1/4", inches(4, 1, 4)},
    {"4-3/8", inches(4, 3, 8)},
    {"4-1/2", inches(4, 1, 2)},
    {"4-5/8", inches(4, 5, 8)},
    {"4-3/4", inches(4, 3, 4)},
    {"4-7/8", inches(4, 7, 8)},
    {"5", inches(5)},
    {"5-1/8", inches(5, 1, 8)},
    {"5-1/4", inches(5, 1, 4)},
    {"5-3/8", inches(5, 3, 8)},
    {"5-1/2", inches(5, 1, 2)},
    {"5-5/8", inches(5, 5, 8)},
    {"5-3/4", inches(5, 3, 4)},
    {"5-7/8", inches(5, 7, 8)},
    {"6", inches(6)},
};

using S = UnifiedSeries;

// One row a size: {size, {tpi x 10, series}...}. [source]
struct Row {
    long size;
    std::array<std::pair<int, UnifiedSeries>, 10> threads;
};

constexpr Row kRows[] = {
    {60'000, {{{800, S::UNF}}}},                                         // #0 [E]
    {73'000, {{{640, S::UNC}, {720, S::UNF}}}},                          // #1 [E][M4a]
    {86'000, {{{560, S::UNC}, {640, S::UNF}}}},                          // #2 [E][M4a]
    {99'000, {{{480, S::UNC}, {560, S::UNF}}}},                          // #3 [E][M4a]
    {112'000, {{{400, S::UNC}, {480, S::UNF}}}},                         // #4 [E][M4a]
    {125'000, {{{400, S::UNC}, {440, S::UNF}}}},                         // #5 [E][M4a]
    {138'000, {{{320, S::UNC}, {400, S::UNF}}}},                         // #6 [E][M4a]
    {164'000, {{{320, S::UNC}, {360, S::UNF}}}},                         // #8 [E][M4a]
    {190'000, {{{240, S::UNC}, {320, S::UNF}}}},                         // #10 [E][M4a]
    {216'000, {{{240, S::UNC}, {280, S::UNF}, {320, S::UNEF}}}},         // #12 [E][M4a][M4c]
    {inches(0, 1, 4), {{{200, S::UNC}, {280, S::UNF}, {320, S::UNEF}}}}, // [E][M4a][M4c]
    {inches(0, 5, 16), {{{180, S::UNC}, {240, S::UNF}, {320, S::UNEF}, {200, S::UN20}, {280, S::UN28}}}}, // [E]
    {inches(0, 3, 8), {{{160, S::UNC}, {240, S::UNF}, {320, S::UNEF}, {200, S::UN20}, {280, S::UN28}}}},  // [E]
    {inches(0, 7, 16), {{{140, S::UNC}, {200, S::UNF}, {280, S::UNEF}, {160, S::UN16}, {320, S::UN32}}}}, // [E]
    {inches(0, 1, 2), {{{130, S::UNC}, {200, S::UNF}, {280, S::UNEF}, {160, S::UN16}, {320, S::UN32}}}},  // [E]
    {inches(0, 9, 16),
     {{{120, S::UNC},
       {180, S::UNF},
       {240, S::UNEF},
       {160, S::UN16},
       {200, S::UN20},
       {280, S::UN28},
       {320, S::UN32}}}}, // [E]
    {inches(0, 5, 8),
     {{{110, S::UNC},
       {180, S::UNF},
       {240, S::UNEF},
       {120, S::UN12},
       {160, S::UN16},
       {200, S::UN20},
       {280, S::UN28},
       {320, S::UN32}}}}, // [E]
    {inches(0, 11, 16),
     {{{240, S::UNEF}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}, {280, S::UN28}, {320, S::UN32}}}}, // [E]
    {inches(0, 3, 4),
     {{{100, S::UNC}, {160, S::UNF}, {200, S::UNEF}, {120, S::UN12}, {280, S::UN28}, {320, S::UN32}}}},      // [E]
    {inches(0, 13, 16), {{{200, S::UNEF}, {120, S::UN12}, {160, S::UN16}, {280, S::UN28}, {320, S::UN32}}}}, // [E]
    {inches(0, 7, 8),
     {{{90, S::UNC},
       {140, S::UNF},
       {200, S::UNEF},
       {120, S::UN12},
       {160, S::UN16},
       {280, S::UN28},
       {320, S::UN32}}}},                                                                                    // [E]
    {inches(0, 15, 16), {{{200, S::UNEF}, {120, S::UN12}, {160, S::UN16}, {280, S::UN28}, {320, S::UN32}}}}, // [E]
    {inches(1),
     {{{80, S::UNC}, {120, S::UNF}, {200, S::UNEF}, {160, S::UN16}, {280, S::UN28}, {320, S::UN32}}}}, // [E][M5c]
    {inches(1, 1, 16),
     {{{180, S::UNEF}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}, {280, S::UN28}}}}, // [E]
    {inches(1, 1, 8),
     {{{70, S::UNC},
       {120, S::UNF},
       {180, S::UNEF},
       {80, S::UN8},
       {160, S::UN16},
       {200, S::UN20},
       {280, S::UN28}}}}, // [E]
    {inches(1, 3, 16),
     {{{180, S::UNEF}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}, {280, S::UN28}}}}, // [E]
    {inches(1, 1, 4),
     {{{70, S::UNC},
       {120, S::UNF},
       {180, S::UNEF},
       {80, S::UN8},
       {160, S::UN16},
       {200, S::UN20},
       {280, S::UN28}}}}, // [E]
    {inches(1, 5, 16),
     {{{180, S::UNEF}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}, {280, S::UN28}}}}, // [E]
    {inches(1, 3, 8),
     {{{60, S::UNC},
       {120, S::UNF},
       {180, S::UNEF},
       {80, S::UN8},
       {160, S::UN16},
       {200, S::UN20},
       {280, S::UN28}}}}, // [E][Y47]
    {inches(1, 7, 16),
     {{{180, S::UNEF},
       {60, S::UN6},
       {80, S::UN8},
       {120, S::UN12},
       {160, S::UN16},
       {200, S::UN20},
       {280, S::UN28}}}}, // [E][Y47]
    {inches(1, 1, 2),
     {{{60, S::UNC},
       {120, S::UNF},
       {180, S::UNEF},
       {80, S::UN8},
       {160, S::UN16},
       {200, S::UN20},
       {280, S::UN28}}}}, // [E][Y47]
    {inches(1, 9, 16),
     {{{180, S::UNEF}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}}, // [E]
    {inches(1, 5, 8),
     {{{180, S::UNEF}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}}, // [E]
    {inches(1, 11, 16),
     {{{180, S::UNEF}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}}, // [E]
    {inches(1, 3, 4),
     {{{50, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}}, // [E][M4a]
    {inches(1, 13, 16), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(1, 7, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(1, 15, 16), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2), {{{45, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2, 1, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2, 1, 4), {{{45, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2, 3, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2, 1, 2), {{{40, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2, 5, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2, 3, 4), {{{40, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(2, 7, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(3), {{{40, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}, {200, S::UN20}}}},
    {inches(3, 1, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(3, 1, 4), {{{40, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(3, 3, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(3, 1, 2), {{{40, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(3, 5, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(3, 3, 4), {{{40, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(3, 7, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4), {{{40, S::UNC}, {60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4, 1, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4, 1, 4), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4, 3, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4, 1, 2), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4, 5, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4, 3, 4), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(4, 7, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5, 1, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5, 1, 4), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5, 3, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5, 1, 2), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5, 5, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5, 3, 4), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(5, 7, 8), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
    {inches(6), {{{60, S::UN6}, {80, S::UN8}, {120, S::UN12}, {160, S::UN16}}}},
};

constexpr std::size_t countEntries()
{
    std::size_t count = 0;
    for (const Row& row : kRows) {
        for (const auto& thread : row.threads) {
            count += thread.first != 0 ? 1 : 0;
        }
    }
    return count;
}

constexpr auto kEntries = [] {
    std::array<UnifiedSeriesEntry, countEntries()> entries{};
    std::size_t i = 0;
    for (const Row& row : kRows) {
        for (const auto& [tpi, series] : row.threads) {
            if (tpi != 0) {
                entries[i++] = {row.size, tpi, series};
            }
        }
    }
    return entries;
}();

// 5/8-11 UNC: the standard prints an allowance of 0.0016 for 1A and 2A, the
// rule gives 0.0017; with 0.0016 every published limit of the thread fits.
// Seen in a copy of efunda's 5/8-11 to 11/16-12 table (1A and 2A allowance
// 0.0016, 1A minimum 0.5561: http://www.huatuo6.cn/wenku/rgsvc/oK0rbdV5Xb) and
// in a ring gauge chart (2A 0.5644 / 0.5589:
// maybellehectorlolss1.web.app/badui (a thread ring gauge chart page; its address shortened here)).
// Not carried: a lone chart's 0.0009 for #12-32 UNEF 2A (http://microadvances.com/drillchart.htm)
// and efunda's 0.8793 for 15/16-12 UN 3A minimum (rule 0.8792); no second
// source shows either.
constexpr UnifiedAllowanceException kAllowanceExceptions[] = {
    {inches(0, 5, 8), 110, 16},
};

} // namespace

std::span<const UnifiedSize> unifiedSizes()
{
    return kSizes;
}

std::span<const UnifiedSeriesEntry> unifiedSeriesEntries()
{
    return kEntries;
}

std::span<const UnifiedAllowanceException> unifiedAllowanceExceptions()
{
    return kAllowanceExceptions;
}

bool unverifiedConstantPitch(long diameterMicro, int tpiTenths)
{
    // The 4-UN column above 1-3/4 in., which could not be read.
    return tpiTenths == 40 && diameterMicro > inches(1, 3, 4) && diameterMicro <= inches(6);
}

// efunda's tables list no class 1A or 1B for the number sizes (#0 to #3,
// [EF]) nor for the UNEF and UN threads (15/16 in., [EF] page
// https://www.efunda.com/DesignStandards/screws/unified.cfm?start=228&finish=301),
// and do for 5/8-11 UNC; the handbook's Table 3 does for 2-1/2-4 UNC [D].
long classOneSmallestDiameterMicro()
{
    return inches(0, 1, 4);
}

} // namespace orvanta::threads
