#include "HotDip.h"

#include "Galvanized.h"
#include "Overtap.h"

#include <cmath>

namespace orvanta::coatings {

namespace {

constexpr const char* kMetricSource = "ISO 965-4 (6az) and ISO 965-5 (6AZ, 6AX): a quarter of the pair's deviation";
constexpr const char* kInchSource =
    "ASTM A563 overtap allowance with the bolt's ASME B1.1 allowance: a quarter of the two together";

// Rounded down to `decimals`: a largest growth is a limit never to exceed.
double down(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::floor(value * scale + 1e-9) / scale;
}

} // namespace

bool isHotDip(const Coating& coating)
{
    return coating.family == "hot-dip galvanizing";
}

MadeTo hotDipLimits(const threads::ThreadLimits& thread, const threads::SideLimits& side)
{
    MadeTo made;
    if (thread.unit == UnitSystem::Metric) {
        // A nut of H or G that meets a 6az bolt is tapped after galvanizing to its own class (ISO 965-4).
        const bool nutForUndersizeBolt =
            side.side == ThreadSide::Internal && thread.external && !thread.external->galvanizing.empty();
        if (nutForUndersizeBolt && side.galvanizing.empty()) {
            made.limits = side;
            made.note = "tapped after galvanizing to its class limits, to mate with the 6az bolt (ISO 965-4)";
            return made;
        }
        if (side.galvanizing.empty()) {
            made.error = side.designation +
                         " is not a class for hot-dip galvanizing: make the bolt to 6az (ISO 965-4) or tap the nut "
                         "to 6AZ or 6AX after galvanizing (ISO 965-5)";
            return made;
        }
        made.limits = side;
        made.note = side.galvanizing;
        return made;
    }
    if (side.side == ThreadSide::External) {
        made.limits = side;
        made.note = "threaded to its class limits before galvanizing; the nut is tapped oversize after "
                    "galvanizing (ASTM A563)";
        return made;
    }
    std::string error;
    made.limits = threads::overtappedNut(thread, error);
    if (!made.limits) {
        made.error = error;
        return made;
    }
    made.note = made.limits->galvanizing.empty() ? std::string("tapped oversize after galvanizing (ASTM A563)")
                                                 : made.limits->galvanizing;
    return made;
}

GrowthLimit hotDipGrowth(const threads::ThreadLimits& thread, const threads::SideLimits& side)
{
    GrowthLimit growth;
    if (thread.unit == UnitSystem::Metric) {
        const std::optional<double> deviation = threads::galvanizedDeviation(thread, side.side);
        if (!deviation) {
            growth.reason = side.designation + " is not a class for hot-dip galvanizing";
            return growth;
        }
        growth.maxGrowth = down(*deviation / 4.0, 4);
        growth.decimals = 4;
        growth.source = kMetricSource;
        return growth;
    }
    if (side.side == ThreadSide::Internal) {
        growth.reason = "the nut is tapped after galvanizing: its thread takes no zinc";
        return growth;
    }
    // The nut the bolt meets is overtapped by A563's allowance for its size.
    double overtap = -1;
    for (const threads::OvertapAllowance& row : threads::overtapAllowances()) {
        if (std::lround(thread.nominalDiameter * 1e6) == row.diameterMicro &&
            thread.threadsPerInchTenths == row.tpiTenths) {
            overtap = row.allowanceThousandths / 1000.0;
        }
    }
    if (overtap < 0) {
        growth.reason = "ASTM A563's overtap table, as the catalogue holds it, has no row for " + side.designation;
        return growth;
    }
    growth.maxGrowth = down((side.allowance + overtap) / 4.0, 6);
    growth.decimals = 6;
    growth.source = kInchSource;
    return growth;
}

} // namespace orvanta::coatings
