// Lengths as the gauging results name them: four decimals and the unit.
#pragma once

#include "PlatingArithmetic.h"

#include <string>

namespace orvanta::gauging {

[[nodiscard]] inline std::string lengthText(double value, UnitSystem unit)
{
    return formatPitchValue(value) + (unit == UnitSystem::Inch ? " in" : " mm");
}

} // namespace orvanta::gauging
