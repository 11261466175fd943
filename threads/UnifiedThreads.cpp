#include "UnifiedThreads.h"

#include "Names.h"
#include "Rounding.h"
#include "UnifiedData.h"
#include "UnifiedDiameters.h"

#include <algorithm>
#include <cmath>

namespace orvanta::threads {

namespace {

constexpr long kMicro = 1'000'000;

struct ResolvedSize {
    long diameterMicro = 0;
    std::string name;
};

const char* seriesName(UnifiedSeries series)
{
    switch (series) {
    case UnifiedSeries::UNC:
        return "UNC";
    case UnifiedSeries::UNF:
        return "UNF";
    case UnifiedSeries::UNEF:
        return "UNEF";
    default:
        return "UN";
    }
}

// The coarse, fine and 4-, 6- and 8-UN series are toleranced over a length
// of engagement of one diameter; the extra-fine and finer constant-pitch
// series over nine pitches.
bool engagementIsDiameter(UnifiedSeries series)
{
    switch (series) {
    case UnifiedSeries::UNC:
    case UnifiedSeries::UNF:
    case UnifiedSeries::UN4:
    case UnifiedSeries::UN6:
    case UnifiedSeries::UN8:
        return true;
    default:
        return false;
    }
}

std::string decimalName(long micro)
{
    // Sixty-fourths read as fractions; anything else as a decimal.
    constexpr long kSixtyFourth = kMicro / 64;
    if (micro % kSixtyFourth == 0) {
        long whole = micro / kMicro;
        long numerator = (micro % kMicro) / kSixtyFourth;
        long denominator = 64;
        while (numerator != 0 && numerator % 2 == 0) {
            numerator /= 2;
            denominator /= 2;
        }
        if (numerator == 0) {
            return std::to_string(whole);
        }
        const std::string fraction = std::to_string(numerator) + "/" + std::to_string(denominator);
        return whole == 0 ? fraction : std::to_string(whole) + "-" + fraction;
    }
    std::string text = std::to_string(micro / kMicro) + "." + std::to_string(kMicro + micro % kMicro).substr(1);
    while (text.back() == '0' && text[text.size() - 4] != '.') {
        text.pop_back();
    }
    return text;
}

std::string sizeName(long micro, bool numberSize, int number)
{
    if (numberSize) {
        return "#" + std::to_string(number);
    }
    for (const UnifiedSize& size : unifiedSizes()) {
        if (size.diameterMicro == micro) {
            return size.name;
        }
    }
    return decimalName(micro);
}

bool listedSize(long diameterMicro)
{
    return std::any_of(unifiedSizes().begin(), unifiedSizes().end(),
                       [&](const UnifiedSize& size) { return size.diameterMicro == diameterMicro; });
}

const UnifiedSeriesEntry* findEntry(long diameterMicro, int tpi)
{
    for (const UnifiedSeriesEntry& entry : unifiedSeriesEntries()) {
        if (entry.diameterMicro == diameterMicro && entry.tpiTenths == tpi) {
            return &entry;
        }
    }
    return nullptr;
}

const UnifiedSeriesEntry* findSeries(long diameterMicro, UnifiedSeries series)
{
    for (const UnifiedSeriesEntry& entry : unifiedSeriesEntries()) {
        if (entry.diameterMicro == diameterMicro && entry.series == series) {
            return &entry;
        }
    }
    return nullptr;
}

long numberSizeMicro(int number)
{
    return 60'000 + 13'000L * number;
}

// The coarsest pitch any number size has (#10-24, #12-24): a coarser one
// can only be inches.
constexpr int kCoarsestNumberSizeTpiTenths = 240;

bool numberSizeListed(int number)
{
    const std::string name = "#" + std::to_string(number);
    return std::any_of(unifiedSizes().begin(), unifiedSizes().end(),
                       [&](const UnifiedSize& size) { return size.name == name; });
}

enum class BareWholeReading { NumberSize, Inches, Either };

// A bare whole number 1 to 12 before a pitch: the number size where that
// number size is listed with the pitch, inches where the inch size is or
// where no number size could carry the pitch.
BareWholeReading readBareWhole(int whole, int tpiTenths)
{
    const bool numberListed = numberSizeListed(whole) && findEntry(numberSizeMicro(whole), tpiTenths) != nullptr;
    const bool inchesListed = findEntry(whole * kMicro, tpiTenths) != nullptr;
    if (numberListed != inchesListed) {
        return numberListed ? BareWholeReading::NumberSize : BareWholeReading::Inches;
    }
    if (!numberListed && tpiTenths < kCoarsestNumberSizeTpiTenths) {
        return BareWholeReading::Inches;
    }
    return BareWholeReading::Either;
}

bool resolveSize(const UnifiedDesignation& thread, ResolvedSize& size, std::string& error)
{
    switch (thread.sizeForm) {
    case UnifiedSizeForm::NumberSize:
        size = {numberSizeMicro(thread.numberSize), sizeName(0, true, thread.numberSize)};
        return true;
    case UnifiedSizeForm::Inches:
        size = {thread.diameterMicro, sizeName(thread.diameterMicro, false, 0)};
        return true;
    case UnifiedSizeForm::Undecided:
        break;
    }
    switch (readBareWhole(thread.numberSize, thread.tpiTenths)) {
    case BareWholeReading::NumberSize:
        size = {numberSizeMicro(thread.numberSize), sizeName(0, true, thread.numberSize)};
        return true;
    case BareWholeReading::Inches:
        size = {thread.diameterMicro, sizeName(thread.diameterMicro, false, 0)};
        return true;
    case BareWholeReading::Either:
        break;
    }
    const std::string n = std::to_string(thread.numberSize);
    const std::string tpi = tpiText(thread.tpiTenths);
    error = n + "-" + tpi + " reads as number size " + n + " or as " + n +
            " in., and neither is in a standard series: write #" + n + "-" + tpi + " for number size " + n + " or " +
            n + ".000-" + tpi + " for " + n + " in.";
    return false;
}

struct ResolvedSeries {
    std::string written; // "UNC", "UN", "UNS", ...
    bool engagementIsDiameter = false;
    bool standard = false; // in a standard series: the tables' rules apply
};

bool resolveSeries(const UnifiedDesignation& thread, const ResolvedSize& size, ResolvedSeries& resolved,
                   std::vector<std::string>& notes, std::string& error)
{
    const std::string thread_ = size.name + "-" + tpiText(thread.tpiTenths);
    const UnifiedSeriesEntry* entry = findEntry(size.diameterMicro, thread.tpiTenths);
    const std::string& written = thread.series;

    if (written == "UNC" || written == "UNF" || written == "UNEF") {
        const UnifiedSeries wanted =
            written == "UNC" ? UnifiedSeries::UNC : (written == "UNF" ? UnifiedSeries::UNF : UnifiedSeries::UNEF);
        if (entry == nullptr || entry->series != wanted) {
            const UnifiedSeriesEntry* other = findSeries(size.diameterMicro, wanted);
            error = other != nullptr ? size.name + " " + written + " has " + tpiText(other->tpiTenths) +
                                           " threads per inch, not " + tpiText(thread.tpiTenths)
                                     : size.name + " has no " + written + " thread in the standard series";
            return false;
        }
        resolved = {written, engagementIsDiameter(entry->series), true};
        return true;
    }
    if (entry == nullptr && written != "UNS" && unverifiedConstantPitch(size.diameterMicro, thread.tpiTenths)) {
        error = thread_ + (written.empty() ? "" : " " + written) +
                ": whether this is a standard constant-pitch thread could not be verified at this size; write " +
                thread_ + " UNS to compute it by the UNS formulas";
        return false;
    }
    if (written == "UNS" || entry == nullptr) {
        if (written.empty() || written == "UN") {
            notes.push_back(thread_ + " is not in a standard series: a UNS thread, toleranced by the "
                                      "formulas over nine pitches");
        } else if (entry != nullptr) {
            notes.push_back(thread_ + " is a standard " + std::string(seriesName(entry->series)) +
                            " thread; computed as UNS, as written");
        }
        resolved = {"UNS", false, false};
        return true;
    }
    // Written UN, or nothing: the series the pitch belongs to at this size.
    if (written.empty()) {
        notes.push_back(std::string("series not given: ") + seriesName(entry->series) + ", from the pitch");
    }
    resolved = {written.empty() ? seriesName(entry->series) : written, engagementIsDiameter(entry->series), true};
    return true;
}

struct SideNumbers {
    long long basicE4;
    long long allowanceE4;
    long long toleranceE9;
    long long maxE4;
    long long minE4;
};

// The pitch in units of 10^-8 inch, as the tables round it.
long long pitchE8(int tpiTenths)
{
    return std::llround(1e9 / tpiTenths);
}

// Td2 of class 2A in millionths of an inch.
long long classTwoATolerance(long diameterMicro, int tpi, const ResolvedSeries& series)
{
    const double pitch = static_cast<double>(pitchE8(tpi)) / 1e8;
    const double diameter = static_cast<double>(diameterMicro) / kMicro;
    const double engagement = series.engagementIsDiameter ? diameter : 9.0 * pitch;
    // The tables of the threads toleranced over nine pitches take the
    // diameter term above 3/4 in. at the next half inch: 15/16 as 1
    // (efunda), 2-3/8 to 2-1/2 as 2-1/2 and 5-3/4 as 6, their UNS rows too
    // (the handbook's Table 3); the true diameter misses each of these rows
    // by 0.0001 in. Below, the true diameter: efunda's allowance of 0.0011
    // for 5/8-32 UN needs it. A UNS thread at a size the tables do not list
    // keeps its diameter: .8438-24 UNS-3A is .8167/.8136 on a gauge maker's
    // set plugs.
    double diameterTerm = diameter;
    if (!series.engagementIsDiameter && diameterMicro > 750'000 && (series.standard || listedSize(diameterMicro))) {
        diameterTerm = std::ceil(diameter * 2.0) / 2.0;
    }
    return roundToUnits(0.0015 * std::cbrt(diameterTerm), 6) + roundToUnits(0.0015 * std::sqrt(engagement), 6) +
           roundToUnits(0.015 * std::pow(pitch, 2.0 / 3.0), 6);
}

SideNumbers sideNumbers(long diameterMicro, int tpi, const ResolvedSeries& series, UnifiedClass c)
{
    const long long heightE6 = roundDown(64'951'905LL * pitchE8(tpi), 16, 6);
    const long long basicE4 = roundDown(diameterMicro - heightE6, 6, 4);
    const long long td2E6 = classTwoATolerance(diameterMicro, tpi, series);

    // Class factors on Td2, in thousandths.
    static constexpr long long kExternalFactor[] = {1500, 1000, 750};
    static constexpr long long kInternalFactor[] = {1950, 1300, 975};
    const long long toleranceE9 = td2E6 * (c.external ? kExternalFactor : kInternalFactor)[c.grade - 1];

    // A limit one class tolerance from a rounded limit: an exact half goes to
    // the even neighbour, as the tables print 1-8 UNC-2A (0.9168 - 0.00675:
    // 0.9100).
    if (!c.external) {
        return {basicE4, 0, toleranceE9, roundDownHalfEven(basicE4 * 100'000 + toleranceE9, 9, 4), basicE4};
    }
    long long allowanceE4 = c.grade == 3 ? 0 : roundDown(3 * td2E6, 7, 4);
    if (c.grade != 3 && series.standard) {
        for (const UnifiedAllowanceException& exception : unifiedAllowanceExceptions()) {
            if (exception.diameterMicro == diameterMicro && exception.tpiTenths == tpi) {
                allowanceE4 = exception.allowanceTenThousandths;
            }
        }
    }
    const long long maxE4 = roundDown(diameterMicro - allowanceE4 * 100 - heightE6, 6, 4);
    const long long minE4 = roundDownHalfEven(maxE4 * 100'000 - toleranceE9, 9, 4);
    return {basicE4, allowanceE4, toleranceE9, maxE4, minE4};
}

std::string classText(UnifiedClass c)
{
    return std::to_string(c.grade) + (c.external ? "A" : "B");
}

} // namespace

ThreadLookup lookUpUnified(const UnifiedDesignation& thread)
{
    ThreadLookup lookup;
    ThreadLimits limits;
    limits.unit = UnitSystem::Inch;

    ResolvedSize size;
    ResolvedSeries series;
    if (!resolveSize(thread, size, lookup.error) || !resolveSeries(thread, size, series, limits.notes, lookup.error)) {
        return lookup;
    }
    const std::string seriesText = thread.roundedRoot
                                       ? "UNR" + (series.written == "UN" ? std::string() : series.written.substr(2))
                                       : series.written;
    // A whole 1 to 12 in. that would read back as a number size, or as
    // either, keeps its decimals to say it is inches.
    const bool wholeInchesAlike =
        size.diameterMicro % kMicro == 0 && size.diameterMicro <= 12 * kMicro && size.name.front() != '#' &&
        readBareWhole(static_cast<int>(size.diameterMicro / kMicro), thread.tpiTenths) != BareWholeReading::Inches;
    const std::string sizeText = wholeInchesAlike ? size.name + ".000" : size.name;
    const std::string threadText = sizeText + "-" + tpiText(thread.tpiTenths) + " " + seriesText;
    const std::string handText = thread.leftHand ? "-LH" : "";
    if (thread.leftHand) {
        limits.notes.emplace_back(kLeftHandNote);
    }

    std::optional<UnifiedClass> external = thread.externalClass;
    std::optional<UnifiedClass> internal = thread.internalClass;
    if (!external && !internal) {
        external = UnifiedClass{2, true};
        if (!thread.roundedRoot) {
            internal = UnifiedClass{2, false};
        }
        limits.notes.emplace_back(thread.roundedRoot ? "class not given: 2A assumed, the common choice "
                                                       "(ASME B1.1 names no default)"
                                                     : "class not given: 2A/2B assumed, the common choice "
                                                       "(ASME B1.1 names no default)");
    }
    if (thread.roundedRoot && internal) {
        lookup.error = seriesText + " is an external thread form: class " + classText(*internal) +
                       " is internal (the mating thread is " + series.written + ")";
        return lookup;
    }
    for (const std::optional<UnifiedClass>& c : {external, internal}) {
        const bool coarseOrFine = series.written == "UNC" || series.written == "UNF";
        if (c && c->grade == 1 && (!coarseOrFine || size.diameterMicro < classOneSmallestDiameterMicro())) {
            lookup.error = "class " + classText(*c) +
                           " is tabulated for UNC and UNF threads of 1/4 in. and "
                           "larger only";
            return lookup;
        }
    }

    const auto side = [&](UnifiedClass c) {
        const SideNumbers n = sideNumbers(size.diameterMicro, thread.tpiTenths, series, c);
        SideLimits s;
        s.side = c.external ? ThreadSide::External : ThreadSide::Internal;
        s.designation = threadText + "-" + classText(c) + handText;
        s.basic = static_cast<double>(n.basicE4) / 1e4;
        s.allowance = static_cast<double>(n.allowanceE4) / 1e4;
        s.classTolerance = static_cast<double>(n.toleranceE9) / 1e9;
        s.max = static_cast<double>(n.maxE4) / 1e4;
        s.min = static_cast<double>(n.minE4) / 1e4;
        setUnifiedDiameters(s, size.diameterMicro, thread.tpiTenths, c, n.allowanceE4);
        return s;
    };
    if (external) {
        limits.external = side(*external);
    }
    if (internal) {
        limits.internal = side(*internal);
    }
    limits.designation = threadText + "-" + (external ? classText(*external) : classText(*internal));
    if (external && internal) {
        limits.designation += "/" + classText(*internal);
    }
    limits.designation += handText;
    limits.nominalDiameter = static_cast<double>(size.diameterMicro) / kMicro;
    limits.pitch = static_cast<double>(pitchE8(thread.tpiTenths)) / 1e8;
    limits.threadsPerInchTenths = thread.tpiTenths;
    lookup.limits = std::move(limits);
    return lookup;
}

} // namespace orvanta::threads
