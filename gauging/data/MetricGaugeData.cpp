// ISO 1502's tolerances and wear allowances of GO and NOT GO screw gauges,
// chosen by the pitch diameter tolerance of the thread they check, in
// tenths of a micrometre.
//
// Sources:
//   [G5]  GOST 24997-81 Table 5, the Russian twin of ISO 1502, as transcribed
//         in the public repository Northewind/MGage, tol.m (matrix T5),
//         commit 06de4f34067a8bc79e8031e118f35fc70ce097d6; the meaning of ZR
//         and ZPL as the GOST text defines them, https://ajdocs.ru/gsp/18690/6
//   [A14] AS 1014 Tables 4.6 and 4.7 (GO and NOT GO screw plug gauges,
//         deviations from D2min and D2max), as transcribed in the public
//         repository SHERNOF/thread-gage, main.py, commit
//         1ac3ea13173f080792a7fe347bada04a03d12fcb
// The plug columns (TPL, ZPL, WGO and WNG of plugs) agree between [G5] and
// [A14] in every band, except that [A14] prints ZPL +- TPL/2 and the GO wear
// limit 0.5 µm off [G5]'s half micrometres over 50 to 200 µm (whole
// micrometres there); [G5] is taken. [A14] ends its last band at 670 µm
// where [G5] runs to 710. The ring columns (TR, ZR and the rings' wear) come
// from [G5] alone, and the GOST text names one NOT GO wear for plugs and
// rings where the transcription has two columns: both said wherever rings
// are given. ISO 1502 itself spreads this over its Tables 4 to 9, which
// could not be read.
#include "GaugeData.h"

namespace orvanta::gauging {

namespace {

//  over upTo   TR  TPL   ZR  ZPL  WGO-R WGO-P WNG-R WNG-P  (tenths of µm)
constexpr IsoGaugeRow kRows[] = {
    {24, 50, 80, 60, -40, 0, 100, 80, 70, 60},          {50, 80, 100, 70, -20, 20, 120, 95, 90, 75},
    {80, 125, 140, 90, 20, 60, 160, 125, 120, 95},      {125, 200, 180, 110, 80, 120, 210, 175, 150, 115},
    {200, 315, 230, 140, 120, 160, 255, 210, 195, 150}, {315, 500, 300, 180, 200, 240, 330, 270, 250, 190},
    {500, 710, 380, 220, 280, 320, 410, 330, 310, 230}, {710, 900, 480, 280, 380, 420, 500, 400, 380, 280},
};

} // namespace

const IsoGaugeRow* isoGaugeRow(double toleranceMicro)
{
    // The first band includes its lower end: AS 1014 starts it at 24 µm.
    constexpr double kSlack = 1e-6;
    for (const IsoGaugeRow& row : kRows) {
        const bool above =
            &row == &kRows[0] ? toleranceMicro >= row.overMicro - kSlack : toleranceMicro > row.overMicro + kSlack;
        if (above && toleranceMicro <= row.upToMicro + kSlack) {
            return &row;
        }
    }
    return nullptr;
}

} // namespace orvanta::gauging
