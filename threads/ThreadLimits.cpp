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
    if (rule == AfterPlate::UseAllowance) {
        // The coating may fill the allowance up to basic size; the GO gauge
        // at basic size then checks it, the class's NOT GO limit stays.
        (limits.side == ThreadSide::External ? result.max : result.min) = limits.basic;
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
