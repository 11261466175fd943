// The crest and root diameters of Unified inch threads (ASME B1.1): the
// external major and rounded-root minor, the internal minor and major.
#pragma once

#include "Designation.h"
#include "ThreadLimits.h"

namespace orvanta::threads {

// Fills side.major and side.minor for a thread of this basic major diameter
// (millionths of an inch), pitch (threads per inch in tenths) and class; an
// external side's allowance (ten-thousandths) is the one its pitch diameter
// took, published exceptions included.
void setUnifiedDiameters(SideLimits& side, long diameterMicro, int tpiTenths, UnifiedClass c, long long allowanceE4);

} // namespace orvanta::threads
