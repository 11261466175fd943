// Unified inch threads (ASME B1.1): series, classes and pitch diameter limits.
#pragma once

#include "Designation.h"
#include "ThreadLimits.h"

namespace orvanta::threads {

[[nodiscard]] ThreadLookup lookUpUnified(const UnifiedDesignation& thread);

} // namespace orvanta::threads
