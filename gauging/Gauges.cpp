// GO and NOT GO gauges for a pitch diameter band.
//
// Inch (ASME B1.2): each gauge is anchored on the product limit it checks
// and takes the X tolerance inward: GO setting plug (the GO ring is set to
// it) max - X to max, NOT GO setting plug min to min + X; GO work plug min
// to min + X, NOT GO work plug max - X to max. B1.2 names the tighter W
// tolerance for setting plugs, but gauge makers supply X unless W is
// ordered (ring-plug-thread-gages.com, "Threaded Master Set Plug
// Tolerances"; Vermont Gage's X set plugs), so X is given and said.
//
// Metric (ISO 1502, its twin GOST 24997-81 Tables 5, 10 and 11): GO ring
// d2max - ZR +- TR/2, worn to + WGO; NOT GO ring d2min - TR/2 +- TR/2, worn
// to + WNG; GO plug D2min + ZPL +- TPL/2, worn to - WGO; NOT GO plug
// D2max + TPL/2 +- TPL/2, worn to - WNG. The plug formulas are GOST Table
// 11's; the ring ones mirror them (GOST's definition of ZR), one source.
// The row is chosen by the tolerance of the band being checked: for a
// pre-plate band, its own width.
#include "GaugeData.h"
#include "Inspection.h"

#include <cmath>

namespace orvanta::gauging {

namespace {

constexpr double kQuarter = 0.25;

Check gauge(Item item, Phrase name, double min, double max, const char* standard)
{
    Check check;
    check.item = item;
    check.name = std::move(name);
    check.min = min;
    check.max = max;
    check.standard = standard;
    return check;
}

void refuseBoth(std::vector<Check>& checks, const std::string& goName, const std::string& notGoName,
                const char* standard, const Phrase& why)
{
    for (Check check :
         {gauge(Item::GoGauge, goName, 0, 0, standard), gauge(Item::NotGoGauge, notGoName, 0, 0, standard)}) {
        check.error = why;
        checks.push_back(std::move(check));
    }
}

Phrase quarterWarning(double gaugeTolerances, const Band& checked, UnitSystem unit, const std::string& what)
{
    const double band = checked.max - checked.min;
    if (checked.stage != Stage::PrePlate || gaugeTolerances <= kQuarter * band + 1e-12) {
        return {};
    }
    return "; the gauge tolerances (" + what + " = " + length(gaugeTolerances, unit) +
           ") take more than a quarter of the " + length(band, unit) + " band they check";
}

std::vector<Check> unifiedGauges(const threads::ThreadLimits& thread, ThreadSide side, const Band& band)
{
    const bool external = side == ThreadSide::External;
    const std::string goName = external ? "GO setting plug" : "GO plug";
    const std::string notGoName = external ? "NOT GO setting plug" : "NOT GO plug";
    std::vector<Check> checks;
    const long diameterMicro = std::lround(thread.nominalDiameter * 1e6);
    const std::optional<int> x = unifiedXTolerance(thread.threadsPerInchTenths, diameterMicro);
    if (!x) {
        refuseBoth(checks, goName, notGoName, "ASME B1.2",
                   "ASME B1.2's X table, as Orvanta carries it, gives no pitch diameter tolerance for " +
                       number(thread.threadsPerInchTenths / 10.0, thread.threadsPerInchTenths % 10 == 0 ? 0 : 1) +
                       " threads per inch at this size");
        return checks;
    }
    const double tolerance = *x / 1e4;
    if (external) {
        checks.push_back(gauge(Item::GoGauge, goName, band.max - tolerance, band.max, "ASME B1.2"));
        checks.push_back(gauge(Item::NotGoGauge, notGoName, band.min, band.min + tolerance, "ASME B1.2"));
    } else {
        checks.push_back(gauge(Item::GoGauge, goName, band.min, band.min + tolerance, "ASME B1.2"));
        checks.push_back(gauge(Item::NotGoGauge, notGoName, band.max - tolerance, band.max, "ASME B1.2"));
    }
    const Phrase note = "X tolerance " + length(tolerance, UnitSystem::Inch) +
                        (external ? ", taken inward from the limit; the ring is set to the plug (makers supply X "
                                    "unless the tighter W is ordered)"
                                  : ", taken inward from the limit") +
                        quarterWarning(2 * tolerance, band, UnitSystem::Inch, "2 x X");
    for (Check& check : checks) {
        check.note = note;
    }
    return checks;
}

std::vector<Check> metricGauges(ThreadSide side, const Band& band)
{
    const bool external = side == ThreadSide::External;
    const std::string goName = external ? "GO ring" : "GO plug";
    const std::string notGoName = external ? "NOT GO ring" : "NOT GO plug";
    std::vector<Check> checks;
    const double bandMicro = std::round((band.max - band.min) * 1e4) / 10; // to 0.1 µm, as the limits are
    const IsoGaugeRow* row = isoGaugeRow(bandMicro);
    if (row == nullptr) {
        refuseBoth(checks, goName, notGoName, "ISO 1502",
                   "ISO 1502's table runs from a pitch diameter tolerance of 24 to 900 \xC2\xB5m; this band is " +
                       length(bandMicro / 1000, UnitSystem::Metric));
        return checks;
    }
    const auto mm = [](int tenthsOfMicrometre) { return tenthsOfMicrometre / 10000.0; };
    if (external) {
        const double goCentre = band.max - mm(row->goRingPosition);
        Check go = gauge(Item::GoGauge, goName, goCentre - mm(row->ringTolerance) / 2,
                         goCentre + mm(row->ringTolerance) / 2, "ISO 1502");
        go.wearLimit = goCentre + mm(row->goRingWear);
        const double notGoCentre = band.min - mm(row->ringTolerance) / 2;
        Check notGo = gauge(Item::NotGoGauge, notGoName, notGoCentre - mm(row->ringTolerance) / 2,
                            notGoCentre + mm(row->ringTolerance) / 2, "ISO 1502");
        notGo.wearLimit = notGoCentre + mm(row->notGoRingWear);
        checks.push_back(std::move(go));
        checks.push_back(std::move(notGo));
    } else {
        const double goCentre = band.min + mm(row->goPlugPosition);
        Check go = gauge(Item::GoGauge, goName, goCentre - mm(row->plugTolerance) / 2,
                         goCentre + mm(row->plugTolerance) / 2, "ISO 1502");
        go.wearLimit = goCentre - mm(row->goPlugWear);
        const double notGoCentre = band.max + mm(row->plugTolerance) / 2;
        Check notGo = gauge(Item::NotGoGauge, notGoName, notGoCentre - mm(row->plugTolerance) / 2,
                            notGoCentre + mm(row->plugTolerance) / 2, "ISO 1502");
        notGo.wearLimit = notGoCentre - mm(row->notGoPlugWear);
        checks.push_back(std::move(go));
        checks.push_back(std::move(notGo));
    }
    const int zone = external ? row->ringTolerance : row->plugTolerance;
    Phrase note = "row for a pitch diameter tolerance over " + std::to_string(row->overMicro) + " up to " +
                  std::to_string(row->upToMicro) +
                  " \xC2\xB5m (this band: " + length(band.max - band.min, UnitSystem::Metric) + ")";
    if (external) {
        note += "; ring values from GOST 24997-81 (ISO 1502's twin) alone";
    }
    note += quarterWarning(2 * mm(zone), band, UnitSystem::Metric, external ? "2 x TR" : "2 x TPL");
    for (Check& check : checks) {
        check.note = note;
    }
    return checks;
}

} // namespace

std::vector<Check> gauges(const threads::ThreadLimits& thread, ThreadSide side, const Band& band)
{
    return thread.unit == UnitSystem::Inch ? unifiedGauges(thread, side, band) : metricGauges(side, band);
}

} // namespace orvanta::gauging
