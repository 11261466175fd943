#include "Overtap.h"

#include "Names.h"

#include <cmath>

namespace orvanta::threads {

namespace {

const OvertapAllowance* findAllowance(long diameterMicro, int tpiTenths)
{
    for (const OvertapAllowance& row : overtapAllowances()) {
        if (row.diameterMicro == diameterMicro && row.tpiTenths == tpiTenths) {
            return &row;
        }
    }
    return nullptr;
}

// Inch limits are exact to 0.0001 in: add in ten-thousandths so that the
// sum carries no binary fraction into the comparison with published rows.
double raised(double value, int tenThousandths)
{
    return static_cast<double>(std::llround(value * 10'000) + tenThousandths) / 10'000;
}

} // namespace

std::optional<SideLimits> overtappedNut(const ThreadLimits& thread, std::string& error)
{
    if (thread.unit != UnitSystem::Inch) {
        error = "ASTM A563 overtaps inch nuts: a metric nut for galvanized bolts is tapped to 6AZ or 6AX "
                "(ISO 965-5)";
        return std::nullopt;
    }
    if (!thread.internal) {
        error = "overtapping is for the nut: name the internal thread, class 2B";
        return std::nullopt;
    }
    const SideLimits& nut = *thread.internal;
    if (nut.designation.find("-2B") == std::string::npos) {
        error = "ASTM A563 overtaps from class 2B limits: " + nut.designation + " is not class 2B";
        return std::nullopt;
    }
    const long diameterMicro = std::lround(thread.nominalDiameter * 1'000'000);
    const OvertapAllowance* row = findAllowance(diameterMicro, thread.threadsPerInchTenths);
    if (row == nullptr) {
        error = "ASTM A563's overtapping table, as Orvanta's source prints it, covers UNC 1/4 to 3-3/4 in and "
                "8-UN 1-1/8 to 1-1/2 in: not " +
                nut.designation;
        return std::nullopt;
    }
    const int tenThousandths = row->allowanceThousandths * 10;
    SideLimits overtapped = nut;
    overtapped.min = raised(nut.min, tenThousandths);
    overtapped.max = raised(nut.max, tenThousandths);
    overtapped.allowance = raised(nut.allowance, tenThousandths);
    overtapped.major = DiameterLimits{};
    overtapped.minor = DiameterLimits{};
    const std::string allowance = std::to_string(row->allowanceThousandths);
    overtapped.galvanizing = "tapped after galvanizing, 0." + std::string(3 - allowance.size(), '0') + allowance +
                             " in over the class 2B pitch diameter (ASTM A563), which sets no major or minor "
                             "diameter limits for it";
    return overtapped;
}

} // namespace orvanta::threads
