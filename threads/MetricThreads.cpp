#include "MetricThreads.h"

#include "Galvanized.h"
#include "MetricData.h"
#include "Names.h"
#include "Rounding.h"

#include <cmath>
#include <cstdlib>

namespace orvanta::threads {

namespace {

const MetricSizePitches* findSize(long diameterMicro)
{
    for (const MetricSizePitches& size : metricSizes()) {
        if (size.diameterMicro == diameterMicro) {
            return &size;
        }
    }
    return nullptr;
}

bool listsPitch(const MetricSizePitches& size, long pitchMicro)
{
    if (size.coarsePitchMicro == pitchMicro) {
        return true;
    }
    for (const long fine : size.finePitchMicro) {
        if (fine == pitchMicro) {
            return true;
        }
    }
    return false;
}

const MetricGradeSixTolerance* gradeSixTolerance(long diameterMicro, long pitchMicro)
{
    for (const MetricGradeSixTolerance& row : metricGradeSixTolerances()) {
        if (diameterMicro > row.overMicro && diameterMicro <= row.upToMicro && row.pitchMicro == pitchMicro) {
            return &row;
        }
    }
    return nullptr;
}

// es of e, f, g, h (h: 0), or EI of G, H (H: 0), in µm.
std::optional<int> fundamentalDeviation(char position, long pitchMicro)
{
    if (position == 'h' || position == 'H') {
        return 0;
    }
    for (const MetricDeviations& row : metricDeviations()) {
        if (row.pitchMicro != pitchMicro) {
            continue;
        }
        const int value = position == 'e' ? row.e : (position == 'f' ? row.f : row.g);
        if (value == kNoDeviation) {
            return std::nullopt;
        }
        return position == 'G' ? -value : value;
    }
    return std::nullopt;
}

// Grade factors on Td2(6), grades 3 to 9.
constexpr double kGradeFactor[] = {0.5, 0.63, 0.8, 1.0, 1.25, 1.6, 2.0};

struct SideMicrons {
    long basic;
    int deviation;
    int tolerance;
    long max;
    long min;
};

std::optional<SideMicrons> sideMicrons(long basic, const MetricGradeSixTolerance& row, const MetricClass& c,
                                       long pitchMicro, std::string& error)
{
    if (c.grade > row.highestGrade) {
        error = "ISO 965-1 gives no tolerance grade " + std::to_string(c.grade) + " for pitch " +
                millimetres(pitchMicro) + ": grades 3 to " + std::to_string(row.highestGrade) + " only";
        return std::nullopt;
    }
    const int gradeSix = row.micrometres;
    const std::optional<int> deviation = fundamentalDeviation(c.position, pitchMicro);
    if (!deviation) {
        error = std::string("tolerance position ") + c.position +
                " is not in Orvanta's verified ISO 965-1 "
                "tables for pitch " +
                millimetres(pitchMicro);
        return std::nullopt;
    }
    int tolerance = c.grade == 6 ? gradeSix : roundToR40(kGradeFactor[c.grade - 3] * gradeSix);
    if (c.external()) {
        const long max = basic + *deviation;
        return SideMicrons{basic, *deviation, tolerance, max, max - tolerance};
    }
    tolerance = roundToR40(1.32 * tolerance);
    const long min = basic + *deviation;
    return SideMicrons{basic, *deviation, tolerance, min + tolerance, min};
}

// The crest grade: the second part of a class such as 4g6g, else its only grade.
int crestGrade(const MetricClass& c)
{
    const std::size_t letter = c.text.find(c.position);
    if (letter != std::string::npos && letter + 1 < c.text.size()) {
        return std::atoi(c.text.c_str() + letter + 1);
    }
    return c.grade;
}

// Td (external) or TD1 (internal) in µm for the crest grade; empty where the
// table has no such cell.
std::optional<int> crestTolerance(long pitchMicro, int grade, bool external)
{
    for (const MetricCrestTolerances& row : metricCrestTolerances()) {
        if (row.pitchMicro != pitchMicro) {
            continue;
        }
        int value = 0;
        if (external && (grade == 4 || grade == 6 || grade == 8)) {
            value = row.majorTolerance[(grade - 4) / 2];
        } else if (!external && grade >= 4 && grade <= 8) {
            value = row.minorTolerance[grade - 4];
        }
        return value > 0 ? std::optional<int>(value) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<double> fromMicrons(std::optional<long> micrometres)
{
    return micrometres ? std::optional<double>(static_cast<double>(*micrometres) / 1000) : std::nullopt;
}

// Major and minor limits. The basic minor diameter D - 1.082532 P goes to
// the nearest micrometre before the deviation is applied, as the published
// tables print it (M3 x 0.5: 2.459, so 6g gives 2.439, not 2.438 from the
// rounded pitch diameter). The external minor maximum is that flat-root
// limit; ISO 965-1 sets no external minor minimum and no internal major
// maximum.
void setCrestAndRoot(SideLimits& s, const MetricClass& c, long diameterMicro, long pitchMicro, int deviation)
{
    const long basicMinor = diameterMicro - static_cast<long>(roundDown(1'082'532LL * pitchMicro, 6, 0));
    const std::optional<int> tolerance = crestTolerance(pitchMicro, crestGrade(c), c.external());
    if (c.external()) {
        const long majorMax = diameterMicro + deviation;
        s.major.max = fromMicrons(majorMax);
        s.major.min = fromMicrons(tolerance ? std::optional<long>(majorMax - *tolerance) : std::nullopt);
        s.minor.max = fromMicrons(basicMinor + deviation);
        return;
    }
    s.major.min = fromMicrons(diameterMicro + deviation);
    const long minorMin = basicMinor + deviation;
    s.minor.min = fromMicrons(minorMin);
    s.minor.max = fromMicrons(tolerance ? std::optional<long>(minorMin + *tolerance) : std::nullopt);
}

SideLimits toSideLimits(const SideMicrons& m, bool external, std::string designation)
{
    SideLimits s;
    s.side = external ? ThreadSide::External : ThreadSide::Internal;
    s.designation = std::move(designation);
    s.basic = static_cast<double>(m.basic) / 1000;
    s.allowance = std::abs(m.deviation) / 1000.0;
    s.classTolerance = m.tolerance / 1000.0;
    s.max = static_cast<double>(m.max) / 1000;
    s.min = static_cast<double>(m.min) / 1000;
    return s;
}

} // namespace

int roundToR40(double micrometres)
{
    // ISO 3 rounded values of the R40 series, in hundredths.
    static constexpr int kMantissa[40] = {100, 106, 112, 118, 125, 132, 140, 150, 160, 170, 180, 190, 200, 212,
                                          224, 236, 250, 265, 280, 300, 315, 335, 355, 375, 400, 425, 450, 475,
                                          500, 530, 560, 600, 630, 670, 710, 750, 800, 850, 900, 950};
    const long step = std::lround(40.0 * std::log10(micrometres));
    const long decade = step >= 0 ? step / 40 : -((-step + 39) / 40);
    const int mantissa = kMantissa[step - 40 * decade];
    if (decade >= 2) {
        long value = mantissa;
        for (long i = 2; i < decade; ++i) {
            value *= 10;
        }
        return static_cast<int>(value);
    }
    // Under 100 µm: whole micrometres, a half going to the even one.
    const double value = mantissa * std::pow(10.0, static_cast<double>(decade) - 2);
    return static_cast<int>(std::nearbyint(value));
}

ThreadLookup lookUpMetric(const MetricDesignation& thread)
{
    ThreadLookup lookup;
    const std::string size = "M" + millimetres(thread.diameterMicro);
    const MetricSizePitches* series = findSize(thread.diameterMicro);
    const bool aboveSeries = thread.diameterMicro > metricSizes().back().diameterMicro;
    const auto sizeRefusal = [&] {
        return aboveSeries ? size + " is above the ISO 261 sizes Orvanta's tables cover (M1 to M100)"
                           : size + " is not an ISO 261 size";
    };
    ThreadLimits limits;
    limits.unit = UnitSystem::Metric;
    long pitch = thread.pitchMicro;
    if (pitch == 0) {
        // Without a pitch only the series can say which one is meant.
        if (series == nullptr) {
            lookup.error = sizeRefusal();
            return lookup;
        }
        if (series->coarsePitchMicro == 0) {
            lookup.error = size + " has no coarse pitch: name the pitch (" + size + "x...)";
            return lookup;
        }
        pitch = series->coarsePitchMicro;
        limits.notes.push_back("pitch not given: the coarse pitch " + millimetres(pitch));
    }
    const MetricGradeSixTolerance* gradeSix = gradeSixTolerance(thread.diameterMicro, pitch);
    const bool inSeries = series != nullptr && listsPitch(*series, pitch);
    if (!inSeries) {
        // ISO 965-1 tolerances a thread by diameter range and pitch, not by
        // its place in ISO 261: a combination its tables cover is computed,
        // anything else is refused as before.
        if (gradeSix == nullptr) {
            lookup.error = series == nullptr ? sizeRefusal() : size + " has no pitch " + millimetres(pitch);
            return lookup;
        }
        const std::string combination = size + "x" + millimetres(pitch);
        limits.notes.push_back((aboveSeries
                                    ? combination + " is beyond the ISO 261 sizes Orvanta's tables list (M1 to M100)"
                                    : combination + " is not an ISO 261 diameter/pitch combination") +
                               "; its limits follow ISO 965-1's tables for its diameter range and pitch");
    }
    if (gradeSix == nullptr) {
        lookup.error = size + "x" + millimetres(pitch) +
                       ": its pitch diameter tolerance is not in Orvanta's verified "
                       "ISO 965-1 tables";
        return lookup;
    }

    std::optional<MetricClass> external = thread.externalClass;
    std::optional<MetricClass> internal = thread.internalClass;
    if (!external && !internal) {
        // ISO 965-1's class when none is named; its smallest sizes take 5H/6h.
        const bool smallest = thread.diameterMicro <= 1400;
        external = MetricClass{6, smallest ? 'h' : 'g', smallest ? "6h" : "6g", 0};
        internal = MetricClass{smallest ? 5 : 6, 'H', smallest ? "5H" : "6H", 0};
        limits.notes.push_back("class not given: " + internal->text + "/" + external->text + ", the ISO 965-1 default");
    }

    // d2 = d - 0.649519 P, to the micrometre.
    const long basic = static_cast<long>(
        roundDown(static_cast<long long>(thread.diameterMicro) * 1'000'000 - 649'519LL * pitch, 6, 0));
    const std::string threadText = size + "x" + millimetres(pitch) + (thread.leftHand ? "LH" : "");
    if (thread.leftHand) {
        limits.notes.emplace_back(kLeftHandNote);
    }
    const bool galvanizedBolt = external && external->galvanizing != 0;
    const bool galvanizedNut = internal && internal->galvanizing != 0;
    if (galvanizedBolt || galvanizedNut) {
        lookup.error = galvanizedPairingError(external, internal);
        if (!lookup.error.empty()) {
            return lookup;
        }
    }
    for (const std::optional<MetricClass>& c : {external, internal}) {
        if (!c) {
            continue;
        }
        if (c->galvanizing != 0) {
            std::optional<SideLimits> side =
                galvanizedMetricSide(thread.diameterMicro, pitch, basic, *c, threadText + "-" + c->text, lookup.error);
            if (!side) {
                return lookup;
            }
            limits.notes.push_back(side->galvanizing);
            (c->external() ? limits.external : limits.internal) = std::move(side);
            continue;
        }
        const std::optional<SideMicrons> microns = sideMicrons(basic, *gradeSix, *c, pitch, lookup.error);
        if (!microns) {
            return lookup;
        }
        SideLimits side = toSideLimits(*microns, c->external(), threadText + "-" + c->text);
        setCrestAndRoot(side, *c, thread.diameterMicro, pitch, microns->deviation);
        (c->external() ? limits.external : limits.internal) = std::move(side);
    }
    // The mate of a galvanized thread is tapped after galvanizing (nut) or
    // galvanized on limits that apply before it (bolt).
    if (galvanizedBolt && internal) {
        limits.notes.push_back("the " + internal->text + " nut is tapped after galvanizing (ISO 965-4)");
    }
    if (galvanizedNut && external) {
        limits.notes.push_back("the " + external->text +
                               " bolt is hot-dip galvanized on these limits, which apply before galvanizing "
                               "(ISO 10684)");
    }
    limits.designation = threadText + "-" + (internal ? internal->text : external->text);
    if (internal && external) {
        limits.designation += "/" + external->text;
    }
    limits.nominalDiameter = static_cast<double>(thread.diameterMicro) / 1000;
    limits.pitch = static_cast<double>(pitch) / 1000;
    std::string unused;
    if (const auto nut = sideMicrons(basic, *gradeSix, MetricClass{5, 'H', "5H", 0}, pitch, unused)) {
        limits.nutGradeFiveTolerance = nut->tolerance / 1000.0;
    }
    lookup.limits = std::move(limits);
    return lookup;
}

} // namespace orvanta::threads
