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
    case Item::Drill:
        return "drill";
    }
    return "";
}

const char* stageName(Stage stage)
{
    return stage == Stage::PrePlate ? "pre_plate" : "after_plate";
}

namespace {

std::vector<Check> checksOf(const threads::ThreadLimits& thread, const threads::SideLimits& side, const Band& band,
                            bool cutHere, const Options& options)
{
    std::vector<Check> checks;
    if (side.side == ThreadSide::External) {
        checks.push_back(wireReadings(thread, band, options.wire));
    }
    for (Check& check : gauges(thread, side.side, band)) {
        checks.push_back(std::move(check));
    }
    if (cutHere) {
        for (Check& check : taps(thread, side, band)) {
            checks.push_back(std::move(check));
        }
        if (side.side == ThreadSide::Internal) {
            checks.push_back(holeDrill(thread, band));
        }
    }
    return checks;
}

} // namespace

std::vector<StageChecks> inspectSide(const threads::ThreadLimits& thread, const threads::SideLimits& side,
                                     const SideBands& bands, const Options& options)
{
    Band afterPlate = bands.afterPlate;
    afterPlate.stage = Stage::AfterPlate;
    std::vector<StageChecks> stages;
    stages.push_back({afterPlate, checksOf(thread, side, afterPlate, !bands.plated, options)});
    if (bands.plated && bands.prePlate) {
        Band prePlate = *bands.prePlate;
        prePlate.stage = Stage::PrePlate;
        stages.push_back({prePlate, checksOf(thread, side, prePlate, true, options)});
    }
    return stages;
}

} // namespace orvanta::gauging
