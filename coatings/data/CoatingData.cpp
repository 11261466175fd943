// The catalogue's published numbers. Each table names the pages it was read
// from; where the pages disagree, the comment says so and says which is used.
#include "CoatingData.h"

#include <array>

namespace orvanta::coatings {

namespace {

// ASTM B633 Table 2, thickness classes (minimum on significant surfaces):
//   Fe/Zn 25 SC 4 25 µm (0.001 in), Fe/Zn 12 SC 3 12 µm (0.0005 in),
//   Fe/Zn 8 SC 2 8 µm (0.0003 in), Fe/Zn 5 SC 1 5 µm (0.0002 in).
// https://www.triangleoshkosh.com/resources/salt-spray-hour-data-sheet-on-electroplated-zinc/ (Table 2)
// https://www.trojansf.co.uk/technical/astm-b633 (Classification & Service Conditions); both agree.
// The inch figures are the µm rounded; the µm are the classes' names and are used.
constexpr std::array<B633Class, 4> kB633{{{1, 5}, {2, 8}, {3, 12}, {4, 25}}};

// QQ-P-416F 1.2.2 Classes: 1 - 0.00050, 2 - 0.00030, 3 - 0.00020 inch minimum.
// https://studylib.net/doc/18307411/ams-qq-p-416 (QQ-P-416F, October 1991, 1.2.2)
// https://vdocuments.site/gse82c4-adc-ga-ioctober-1991-superseding-p-416e-18-aprtl-1986-federal-specification.html
// http://shieldplating.com/services/cadmium-plating-services/ and https://reliableplatingct.com/?page_id=1773
// agree. https://industrialmonitordirect.com/blogs/knowledgebase/
// cad-plating-thickness-on-close-tolerance-diameters-tolerance-stack-up-solutions adds a "diameter increase
// (max)" column of twice these minimums: that is no maximum of the standard and is not used.
constexpr std::array<ThicknessClass, 3> kQqp416{{{1, 0, 5}, {2, 0, 3}, {3, 0, 2}}};

// ASTM B766 classes 25, 12, 8 and 5 (µm):
// http://shieldplating.com/services/cadmium-plating-services/ ("ASTM B766 Classes (Thickness) 25 25 microns ...")
// https://secure.madcad.com/store/subscription/ASTM-B766-86-Reapproved2008 (abstract: "classified on the basis
// of thickness as Class 25, 12, 8, and 5").
constexpr std::array<ThicknessClass, 4> kB766{{{25, 25, 0}, {12, 12, 0}, {8, 8, 0}, {5, 5, 0}}};

// ISO 10683:2014, neutral salt spray test duration (without red rust) against the reference thickness of the
// coating system: 240 h 4 µm, 480 h 5 µm, 600 h 6 µm, 720 h 8 µm, 960 h 10 µm.
// https://adfastcomponents.com/bolting-specification/iso-10683/
// The earlier edition, as published at https://usefastener.com/knowledge/
// 409-duration-of-salt-spray-testing-for-non-electrolytically-deposited-zinc-flake-coating.html, gives a
// minimum per duration that depends on chromate: with / without 240 h 4/6, 480 h 5/8, 720 h 8/10, 960 h 9/12,
// and no 600 h row. The 2014 rows are used; they agree with the earlier "with chromate" column except at 960 h
// (10 against 9).
constexpr std::array<ThicknessClass, 5> kIso10683{{{240, 4, 0}, {480, 5, 0}, {600, 6, 0}, {720, 8, 0}, {960, 10, 0}}};

// ISO 4042:1999 Table 1: nominal thickness; local minimum; batch average minimum and maximum (µm).
// https://www.fasteners.eu/tech-info/ISO/4042/ ("coating thickness") and
// http://sabrinastacy.com/tech-info/ISO/4042 print the same rows.
constexpr std::array<Iso4042Thickness, 9> kIso4042Thickness{{{3, 3, 3, 5},
                                                             {5, 5, 4, 6},
                                                             {8, 8, 7, 10},
                                                             {10, 10, 9, 12},
                                                             {12, 12, 11, 15},
                                                             {15, 15, 14, 18},
                                                             {20, 20, 18, 23},
                                                             {25, 25, 23, 28},
                                                             {30, 30, 27, 35}}};

// ISO 4042:1999 Table 2, upper limits of coating thickness on ISO metric threads, pitch 0.2 to 1.75 mm.
// https://www.fasteners.eu/tech-info/ISO/4042/ ("The upper limits of coating thickness ISO metric threads");
// http://sabrinastacy.com/tech-info/ISO/4042 is the same transcription. Their OCR reads "O.S" for pitch 0.8,
// "i" for 1 and "S" for 8 (f, pitch 0.5); the deviations confirm each reading against ISO 965-1.
// Checked against the standard's own rule, https://boltport.com/standards/iso-4042/
// guidance-on-procedures-that-may-be-adopted-to-accommodate-thick-coatings (a thickness t needs a deviation of
// 4t locally and for l <= 5d, 5t for 5d < l <= 10d, 6t for 10d < l <= 15d). The cells follow that rule except
// g at pitch 1 (es 26, 5d < l <= 10d: the rule allows 5, the table prints 3) and g at pitches 0.2 to 0.4
// (10d < l <= 15d: 3 although 6 x 3 exceeds es); the table's cells are used as printed.
// The transcription is illegible from pitch 2 on ("-58" for g's -38, and a 5d..10d cell below the 10d..15d
// one), so rows from 2 mm are left out and refused rather than guessed.
constexpr std::array<Iso4042Row, 15> kIso4042Rows{{
    {200, 17, 3, {17, 3, {3, 3, 3}}, {0, 0, {0, 0, 0}}, {0, 0, {0, 0, 0}}},
    {250, 18, 3, {18, 3, {3, 3, 3}}, {0, 0, {0, 0, 0}}, {0, 0, {0, 0, 0}}},
    {300, 18, 3, {18, 3, {3, 3, 3}}, {0, 0, {0, 0, 0}}, {0, 0, {0, 0, 0}}},
    {350, 19, 3, {19, 3, {3, 3, 3}}, {34, 8, {8, 5, 5}}, {0, 0, {0, 0, 0}}},
    {400, 19, 3, {19, 3, {3, 3, 3}}, {34, 8, {8, 5, 5}}, {0, 0, {0, 0, 0}}},
    {450, 20, 5, {20, 5, {5, 3, 3}}, {35, 8, {8, 5, 5}}, {0, 0, {0, 0, 0}}},
    {500, 20, 5, {20, 5, {5, 3, 3}}, {36, 8, {8, 5, 5}}, {50, 12, {12, 10, 8}}},
    {600, 21, 5, {21, 5, {5, 3, 3}}, {36, 8, {8, 5, 5}}, {53, 12, {12, 10, 8}}},
    {700, 22, 5, {22, 5, {5, 3, 3}}, {38, 8, {8, 5, 5}}, {56, 12, {12, 10, 8}}},
    {750, 22, 5, {22, 5, {5, 3, 3}}, {38, 8, {8, 5, 5}}, {56, 12, {12, 10, 8}}},
    {800, 24, 5, {24, 5, {5, 3, 3}}, {38, 8, {8, 5, 5}}, {60, 15, {15, 12, 10}}},
    {1000, 26, 5, {26, 5, {5, 3, 3}}, {40, 10, {10, 8, 5}}, {60, 15, {15, 12, 10}}},
    {1250, 28, 5, {28, 5, {5, 5, 3}}, {42, 10, {10, 8, 5}}, {63, 15, {15, 12, 10}}},
    {1500, 32, 8, {32, 8, {8, 5, 5}}, {45, 10, {10, 8, 5}}, {67, 15, {15, 12, 10}}},
    {1750, 34, 8, {34, 8, {8, 5, 5}}, {48, 12, {12, 8, 8}}, {71, 15, {15, 12, 10}}},
}};

// ASTM F1941 Table X3.1 (coarse series): threads per inch, diameter, pitch diameter allowance of 1A and 2A,
// maximum allowable coating thickness on the threaded tip (x 0.0001 in).
// https://boltport.com/specifications/astm-f1941/coating-accommodation-tolerances-for-externally-and-internally-threaded-fasteners
// The rows from 5 threads per inch on are cut off in the copy read and are left to the quarter rule. Every
// allowance here equals the thread engine's ASME B1.1 allowance (the tests hold them to it).
constexpr std::array<F1941Row, 14> kF1941{{{250, 20, 11, 275},
                                           {313, 18, 12, 300},
                                           {375, 16, 13, 325},
                                           {438, 14, 14, 350},
                                           {500, 13, 15, 375},
                                           {563, 12, 16, 400},
                                           {625, 11, 16, 400},
                                           {750, 10, 18, 450},
                                           {875, 9, 19, 475},
                                           {1000, 8, 20, 500},
                                           {1125, 7, 22, 550},
                                           {1250, 7, 22, 550},
                                           {1375, 6, 24, 600},
                                           {1500, 6, 24, 600}}};

// ISO 10684:2004 8.3: "The local coating thickness shall be a minimum of 40 µm and the batch average coating
// thickness shall be a minimum of 50 µm", as AS/NZS 1214:2016 (ISO 10684:2004 MOD) prints it:
// https://asstandardslist.mealir.com/?p=863 (8.3 Zinc coating thickness). The 40 µm local minimum is confirmed
// at https://scribd.com/document/336872738/Corrosion-protection-Hot-dip-galvanized-fasteners-pdf ("at least 40 µm
// at the point of measurement"); the 50 µm batch average was found at the AS/NZS page only, a modified adoption.
// Scope, coarse threads M8 up to and including M64:
// http://ecommerce.sist.si/catalog/project.aspx?id=dd73a346-5525-4aeb-a51d-a3d06cc7dad6 (ISO 10684:2004 abstract).
constexpr Iso10684Thickness kIso10684{40, 50, 8, 64};

// ASTM F2329 coating thickness, minimum thickness on surface (in): production lot average, batch lot average,
// individual specimen. Fasteners over 3/8 in: 0.0020, 0.0017, 0.0017; 3/8 in and under: 0.0017, 0.0015, 0.0015.
// http://www.portlandbolt.com/technical/specifications/astm-f2329/ (F2329 Coating Thickness) and
// https://www.pankajinternational.com/blogs/specification/astm-f2329 print the same rows. Their washer rows
// (3/16 to 1/4 in thick, under 3/16 in) are not threads and are left out.
constexpr std::array<F2329Row, 2> kF2329{{{true, 20, 17, 17}, {false, 17, 15, 15}}};

// ASTM A153 Table 1, coating thickness (mils): Class C, fasteners over 3/8 in, minimum average 2.1, any
// individual specimen 1.7; Class D, fasteners 3/8 in and under, 1.7 and 1.4.
// http://www.portlandbolt.com/technical/specifications/astm-a153/ and
// https://kupdf.net/download/astm-a153_5af9872ee2b6f51b38901830_pdf agree, and so does the A153/A153M-16 Table 1
// scan at https://arietiform.com/application/nph-tsq.cgi/en/20/https/www.scribd.com/document/518121334/
// ASTM-A153A153M-16 (2.1 [53] 1.7 [43]; 1.7 [43] 1.4 [36]).
constexpr std::array<A153Row, 2> kA153{{{'C', true, 21, 17}, {'D', false, 17, 14}}};

} // namespace

std::span<const B633Class> b633Classes()
{
    return kB633;
}
std::span<const ThicknessClass> qqp416Classes()
{
    return kQqp416;
}
std::span<const ThicknessClass> b766Classes()
{
    return kB766;
}
std::span<const ThicknessClass> iso10683Classes()
{
    return kIso10683;
}
std::span<const Iso4042Thickness> iso4042Thicknesses()
{
    return kIso4042Thickness;
}
std::span<const Iso4042Row> iso4042Rows()
{
    return kIso4042Rows;
}
std::span<const F1941Row> f1941Rows()
{
    return kF1941;
}
const Iso10684Thickness& iso10684Thickness()
{
    return kIso10684;
}
std::span<const F2329Row> f2329Rows()
{
    return kF2329;
}
std::span<const A153Row> a153Rows()
{
    return kA153;
}

} // namespace orvanta::coatings
