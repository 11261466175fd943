#include "Galvanized.h"

#include "MetricData.h"
#include "Names.h"
#include "Rounding.h"

namespace orvanta::threads {

namespace {

const MetricGalvanizedDeviations* galvanizedRow(long diameterMicro, long pitchMicro)
{
    for (const MetricGalvanizedDeviations& row : metricGalvanizedDeviations()) {
        if (row.pitchMicro != pitchMicro) {
            continue;
        }
        for (const long diameter : row.diameterMicro) {
            if (diameter != 0 && diameter == diameterMicro) {
                return &row;
            }
        }
    }
    return nullptr;
}

double fromMicrons(long micrometres)
{
    return static_cast<double>(micrometres) / 1000;
}

const char* standardOf(const MetricClass& c)
{
    return c.external() ? "ISO 965-4" : "ISO 965-5";
}

} // namespace

std::optional<double> galvanizedDeviation(const ThreadLimits& thread, ThreadSide side)
{
    const std::optional<SideLimits>& named = side == ThreadSide::External ? thread.external : thread.internal;
    const std::optional<SideLimits>& other = side == ThreadSide::External ? thread.internal : thread.external;
    if (!named || (named->galvanizing.empty() && (!other || other->galvanizing.empty()))) {
        return std::nullopt;
    }
    return named->allowance + (other ? other->allowance : 0.0);
}

std::string galvanizedPairingError(const std::optional<MetricClass>& external,
                                   const std::optional<MetricClass>& internal)
{
    if (!external || !internal || internal->galvanizing == 0) {
        // A 6az bolt mates with nuts of position H or G tapped after
        // galvanizing: every other internal class the engine knows.
        return {};
    }
    const std::string fit = internal->text + "/" + external->text;
    if (external->galvanizing != 0) {
        return fit + " is refused: ISO 965-5 forbids mating its oversize-tapped nuts with ISO 965-4 (6az) bolts, "
                     "a severe risk of thread stripping";
    }
    if (external->position != 'g' && external->position != 'h') {
        return fit + " is refused: " + internal->text +
               " nuts are made for galvanized bolts threaded to position g or h before galvanizing "
               "(ISO 965-5, ISO 10684)";
    }
    return {};
}

std::optional<SideLimits> galvanizedMetricSide(long diameterMicro, long pitchMicro, long basicPitchMicro,
                                               const MetricClass& c, std::string designation, std::string& error)
{
    const MetricGalvanizedDeviations* row = galvanizedRow(diameterMicro, pitchMicro);
    if (row == nullptr) {
        const std::string thread = "M" + millimetres(diameterMicro) + "x" + millimetres(pitchMicro);
        if (diameterMicro < 8000 || pitchMicro < 1250) {
            error = "ISO 10684 does not recommend hot-dip galvanizing threads under M8 or with pitches under "
                    "1.25 mm, and " +
                    std::string(standardOf(c)) + " prints no " + c.text + " limits for " + thread;
        } else if (diameterMicro == 8000 && pitchMicro == 1250) {
            error = "M8's " + c.text + " limits are in ISO 10684 Annex B, which Orvanta's sources do not transcribe";
        } else {
            error = std::string(standardOf(c)) + " prints " + c.text +
                    " limits for the coarse threads M10 to M64 only, not for " + thread;
        }
        return std::nullopt;
    }
    // The basic minor diameter to the micrometre, as for the ISO 965-1 classes.
    const long basicMinor = diameterMicro - static_cast<long>(roundDown(1'082'532LL * pitchMicro, 6, 0));
    SideLimits s;
    s.designation = std::move(designation);
    s.basic = fromMicrons(basicPitchMicro);
    if (c.external()) {
        const int* az = row->az;
        s.side = ThreadSide::External;
        s.allowance = -az[0] / 1000.0;
        s.classTolerance = (az[0] - az[1]) / 1000.0;
        s.max = fromMicrons(basicPitchMicro + az[0]);
        s.min = fromMicrons(basicPitchMicro + az[1]);
        s.major.max = fromMicrons(diameterMicro + az[2]);
        s.major.min = fromMicrons(diameterMicro + az[3]);
        // ISO 965-4 prints the root's limit as d3 (the rounded root) from d1.
        s.minor.max = fromMicrons(basicMinor + az[4]);
        s.galvanizing = k6azNote;
        return s;
    }
    const int* deviations = c.galvanizing == 'x' ? row->AX : row->AZ;
    s.side = ThreadSide::Internal;
    s.allowance = deviations[1] / 1000.0;
    s.classTolerance = (deviations[0] - deviations[1]) / 1000.0;
    s.max = fromMicrons(basicPitchMicro + deviations[0]);
    s.min = fromMicrons(basicPitchMicro + deviations[1]);
    s.major.min = fromMicrons(diameterMicro + deviations[1]);
    s.minor.max = fromMicrons(basicMinor + deviations[2]);
    s.minor.min = fromMicrons(basicMinor + deviations[3]);
    s.galvanizing = c.galvanizing == 'x' ? k6AXNote : k6AZNote;
    return s;
}

} // namespace orvanta::threads
