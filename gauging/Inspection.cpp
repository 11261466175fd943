#include "Inspection.h"

namespace orvanta::gauging {

const char* itemName(Item item)
{
    switch (item) {
    case Item::Wires:
        return "wires";
    case Item::GoGauge:
        return "go_gauge";
    case Item::NotGoGauge:
        return "not_go_gauge";
    case Item::Tap:
        return "tap";
    }
    return "";
}

std::vector<Check> inspect(const threads::ThreadLimits& thread, const threads::SideLimits& side, const Band& band,
                           const Options& options)
{
    std::vector<Check> checks;
    if (side.side == ThreadSide::External) {
        checks.push_back(wireReadings(thread, band, options.wire));
    }
    for (Check& check : gauges(thread, side.side, band)) {
        checks.push_back(std::move(check));
    }
    for (Check& check : taps(thread, side, band)) {
        checks.push_back(std::move(check));
    }
    return checks;
}

} // namespace orvanta::gauging
