// ISO metric threads (ISO 965-1, ASME B1.13M): series, classes and pitch
// diameter limits.
#pragma once

#include "Designation.h"
#include "ThreadLimits.h"

namespace orvanta::threads {

[[nodiscard]] ThreadLookup lookUpMetric(const MetricDesignation& thread);

// ISO 965-1's rounding of a tolerance to the R40 series of ISO 3, values
// under 100 µm to whole micrometres (half to even).
[[nodiscard]] int roundToR40(double micrometres);

} // namespace orvanta::threads
