#include "ThreadLimits.h"

#include "MetricData.h"
#include "MetricThreads.h"
#include "Names.h"
#include "UnifiedData.h"
#include "UnifiedThreads.h"

namespace orvanta::threads {

ThreadLookup lookUpThread(std::string_view designation)
{
    const ParsedDesignation parsed = parseDesignation(designation);
    if (!parsed.error.empty()) {
        return {std::nullopt, parsed.error};
    }
    if (const auto* unified = std::get_if<UnifiedDesignation>(&parsed.thread)) {
        return lookUpUnified(*unified);
    }
    return lookUpMetric(std::get<MetricDesignation>(parsed.thread));
}

SideLimits afterPlateLimits(const SideLimits& limits, AfterPlate rule)
{
    SideLimits result = limits;
    if (rule != AfterPlate::UseAllowance) {
        return result;
    }
    // The coating may fill the allowance up to basic size: after coating the
    // thread is accepted with a basic (class 3A) GO gauge and the class's own
    // NOT GO gauge (ASME B1.1 section 7, as ASTM F1941 appendix X3 states it,
    // https://boltport.com/specifications/astm-f1941/coating-accommodation-tolerances-for-externally-and-internally-threaded-fasteners).
    // So every maximum-material limit moves by the allowance: the pitch
    // diameter and the major diameter to basic, as class 3A has them, and the
    // root diameter with them; the minimum-material limits stay.
    const bool external = limits.side == ThreadSide::External;
    const double shift = external ? limits.basic - limits.max : limits.min - limits.basic;
    (external ? result.max : result.min) = limits.basic;
    for (DiameterLimits* diameter : {&result.major, &result.minor}) {
        std::optional<double>& maximumMaterial = external ? diameter->max : diameter->min;
        if (maximumMaterial) {
            *maximumMaterial += external ? shift : -shift;
        }
    }
    return result;
}

double platingAbsorbed(double allowance)
{
    return allowance / 4.0;
}

namespace {

std::vector<std::string> buildStandardDesignations()
{
    std::vector<std::string> list;
    for (const UnifiedSize& size : unifiedSizes()) {
        for (const UnifiedSeriesEntry& entry : unifiedSeriesEntries()) {
            if (entry.diameterMicro != size.diameterMicro) {
                continue;
            }
            const char* series = entry.series == UnifiedSeries::UNC    ? "UNC"
                                 : entry.series == UnifiedSeries::UNF  ? "UNF"
                                 : entry.series == UnifiedSeries::UNEF ? "UNEF"
                                                                       : "UN";
            list.push_back(std::string(size.name) + "-" + tpiText(entry.tpiTenths) + " " + series);
        }
    }
    for (const MetricSizePitches& size : metricSizes()) {
        const std::string name = "M" + millimetres(size.diameterMicro);
        if (size.coarsePitchMicro != 0) {
            list.push_back(name + "x" + millimetres(size.coarsePitchMicro));
        }
        for (const long fine : size.finePitchMicro) {
            if (fine != 0) {
                list.push_back(name + "x" + millimetres(fine));
            }
        }
    }
    // Only what the tables back: a listed pitch without a verified tolerance
    // is left out (a metric thread is tried as 6H, which needs no deviation).
    std::erase_if(list, [](const std::string& designation) {
        return !lookUpThread(designation.front() == 'M' ? designation + "-6H" : designation).limits;
    });
    return list;
}

} // namespace

const std::vector<std::string>& standardDesignations()
{
    static const std::vector<std::string> list = buildStandardDesignations();
    return list;
}

} // namespace orvanta::threads
