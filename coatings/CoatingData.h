// The catalogue's tables. Each row sits beside the published page it was
// checked against, in data/CoatingData.cpp.
#pragma once

#include <span>

namespace orvanta::coatings {

// A thickness class of a standard: what the drawing writes, and the
// thickness the standard sets for it.
struct ThicknessClass {
    int code;             // SC number, class number, Fe/Zn number or salt-spray hours
    int microns;          // the minimum, in µm (0 where the class is given in inches)
    int tenThousandthsIn; // the minimum in 0.0001 in (0 where the class is given in µm)
};

// ASTM B633: service condition SC1..SC4 and its Fe/Zn classification.
struct B633Class {
    int serviceCondition;
    int feZn; // the classification number, which is also the minimum in µm
};

// ISO 4042 nominal thickness with its local minimum and batch-average limits.
struct Iso4042Thickness {
    int nominal;
    int localMin;
    int batchMin;
    int batchMax;
};

// One pitch row of ISO 4042's table of the largest coating thickness on
// threads, by tolerance position; all in µm. 0 marks a cell the table leaves
// empty. The external columns: local (all nominal lengths), then batch
// average for l <= 5d, 5d < l <= 10d, 10d < l <= 15d.
struct Iso4042PositionCells {
    int deviation;
    int local;
    int batch[3];
};
struct Iso4042Row {
    int pitchMicro;
    int internalDeviationG; // EI of G
    int internalMaxG;       // all nominal lengths
    Iso4042PositionCells g;
    Iso4042PositionCells f;
    Iso4042PositionCells e;
};

// ASTM F1941 appendix X3: the allowance of a 1A/2A thread and the largest
// coating thickness it takes.
struct F1941Row {
    int diameterMilliInch; // nominal diameter, 0.001 in
    int threadsPerInch;
    int allowanceTenThousandths; // 0.0001 in
    int maxCoatingHundredthsE4;  // 0.000001 in: the table prints x 0.0001 in to two decimals
};

// ISO 10684 hot-dip galvanizing: the local minimum and the batch-average
// minimum (µm), and the thread sizes it covers (M8 to M64).
struct Iso10684Thickness {
    int localMin;
    int batchMin;
    int smallestMm;
    int largestMm;
};

// ASTM F2329 minimum thickness on the surface for fasteners of one size
// range, in 0.0001 in.
struct F2329Row {
    bool overThreeEighths; // over 3/8 in diameter; else 3/8 in and under
    int productionLot;     // average of all specimens, production lot
    int batchLot;          // average of all specimens, batch lot
    int individual;        // average thickness of an individual specimen
};

// ASTM A153 fastener classes C and D, in 0.0001 in (tenths of a mil).
struct A153Row {
    char cls;
    bool overThreeEighths;
    int average;    // minimum average coating thickness
    int individual; // minimum, any individual specimen
};

[[nodiscard]] std::span<const B633Class> b633Classes();
[[nodiscard]] std::span<const ThicknessClass> qqp416Classes();
[[nodiscard]] std::span<const ThicknessClass> b766Classes();
[[nodiscard]] std::span<const ThicknessClass> iso10683Classes();
[[nodiscard]] std::span<const Iso4042Thickness> iso4042Thicknesses();
[[nodiscard]] std::span<const Iso4042Row> iso4042Rows();
[[nodiscard]] std::span<const F1941Row> f1941Rows();
[[nodiscard]] const Iso10684Thickness& iso10684Thickness();
[[nodiscard]] std::span<const F2329Row> f2329Rows();
[[nodiscard]] std::span<const A153Row> a153Rows();

// The sources, cited in outputs.
inline constexpr const char* kB633Source =
    "ASTM B633 Table 2 (thickness classes), as published at "
    "https://www.triangleoshkosh.com/resources/salt-spray-hour-data-sheet-on-electroplated-zinc/ and "
    "https://www.trojansf.co.uk/technical/astm-b633";
inline constexpr const char* kIso2081Source =
    "ISO 2081 / ISO 4042 designation Fe/Zn n: n is the minimum coating thickness in µm "
    "(ISO 4042 extract at https://pdfcoffee.com/download/1-iso-4042-electrolytic-zinc-coating-4-pdf-free.html)";
inline constexpr const char* kIso4042ThicknessSource =
    "ISO 4042:1999 Table 1 (nominal, local and batch-average thickness), as published at "
    "https://www.fasteners.eu/tech-info/ISO/4042/ and http://sabrinastacy.com/tech-info/ISO/4042";
inline constexpr const char* kQqp416Source =
    "QQ-P-416F 1.2.2 (classes 1-3, inch minimum), as transcribed at https://studylib.net/doc/18307411/ams-qq-p-416; "
    "also http://shieldplating.com/services/cadmium-plating-services/";
inline constexpr const char* kB766Source =
    "ASTM B766 classes 25, 12, 8, 5 (µm), as listed at http://shieldplating.com/services/cadmium-plating-services/ "
    "and https://secure.madcad.com/store/subscription/ASTM-B766-86-Reapproved2008";
inline constexpr const char* kIso10683Source =
    "ISO 10683:2014 neutral salt spray duration vs reference thickness of the coating system, as published at "
    "https://adfastcomponents.com/bolting-specification/iso-10683/";
inline constexpr const char* kAnodizeHardSource =
    "MIL-A-8625 Type III: film thickness as the drawing gives it; half the film grows outward, a finishers' rule "
    "of thumb (http://chemprocessing.com/page.asp?PageID=102, https://mechainc.com/2019/05/01/anodizing-thicknesses, "
    "https://alphametal.com/articles/12-blog/163-dimensional-growth-during-anodizing)";
// Finishers disagree on Type II: "2/3 in 1/3 out" for Type II and "1/2 in
// 1/2 out" for hard coat (experts123), half for both (chemprocessing,
// mechainc). The third is taken, the common shop rule for Type II.
inline constexpr const char* kAnodizeSource =
    "MIL-A-8625 Type II: film thickness as the drawing gives it; a third of the film grows outward, a finishers' "
    "rule of thumb (https://experts123.com/q/does-anodizing-alter-the-bolt-nut-thread-pattern-and-diameter.html; "
    "http://chemprocessing.com/page.asp?PageID=102 and https://mechainc.com/2019/05/01/anodizing-thicknesses give "
    "half)";
inline constexpr const char* kF1941Source =
    "ASTM F1941 appendix X3, Table X3.1, as published at "
    "https://boltport.com/specifications/astm-f1941/"
    "coating-accommodation-tolerances-for-externally-and-internally-threaded-fasteners";
inline constexpr const char* kF1941RuleSource =
    "a quarter of the pitch diameter allowance, the rule of ASTM F1941 appendix X3 (after ASME B1.1 section 7), "
    "https://boltport.com/specifications/astm-f1941/"
    "coating-accommodation-tolerances-for-externally-and-internally-threaded-fasteners";
inline constexpr const char* kIso4042TableSource =
    "ISO 4042:1999 Table 2 (upper limits of coating thickness on ISO metric threads), as published at "
    "https://www.fasteners.eu/tech-info/ISO/4042/ and http://sabrinastacy.com/tech-info/ISO/4042";

inline constexpr const char* kIso10684Source =
    "ISO 10684:2004 8.3 (local minimum 40 µm, batch average minimum 50 µm), as AS/NZS 1214:2016 (ISO 10684:2004 "
    "MOD) prints it at https://asstandardslist.mealir.com/?p=863; the 40 µm local minimum also at "
    "https://scribd.com/document/336872738/Corrosion-protection-Hot-dip-galvanized-fasteners-pdf; M8 to M64 at "
    "http://ecommerce.sist.si/catalog/project.aspx?id=dd73a346-5525-4aeb-a51d-a3d06cc7dad6";
inline constexpr const char* kF2329Source =
    "ASTM F2329 coating thickness (minimum thickness on surface), as published at "
    "http://www.portlandbolt.com/technical/specifications/astm-f2329/ and "
    "https://www.pankajinternational.com/blogs/specification/astm-f2329";
// The American Galvanizers Association's page says threaded areas are not
// subject to A153's thickness requirement; the citation carries that on.
inline constexpr const char* kA153Source =
    "ASTM A153 Table 1, Classes C and D (mils), as published at "
    "http://www.portlandbolt.com/technical/specifications/astm-a153/ and "
    "https://kupdf.net/download/astm-a153_5af9872ee2b6f51b38901830_pdf; threaded areas are not subject to the "
    "thickness requirement (http://www.galvanizeit.org/knowledgebase/article/"
    "hot-dip-galvanizing-small-parts-hardware-and-fasteners-to-astm-a153)";

} // namespace orvanta::coatings
