// The major and minor diameters of a plated thread before plating. A
// coating of thickness t lies on both flanks, so it grows a crest or root
// diameter by 2t (the pitch diameter of a 60-degree thread by 4t, which the
// calculator works out on its own). External diameters are made smaller by
// the growth, internal ones larger: the maximum-material limit takes the
// thickest coating, the other limit the thinnest.
//
// Sources for the factor two: "Major and minor diameters will increase by 2 x
// the coating growth. Pitch diameters for 60 degree included angles will
// increase by 4 x", http://frictioncalculator.com/thread-dimensional-changes;
// the same direction (external major grows, internal minor shrinks),
// https://waldengage.com/tag/pitch-diameter/.
#pragma once

#include "ThreadLimits.h"

namespace orvanta::threads {

struct SideDiameters {
    DiameterLimits major;
    DiameterLimits minor;
};

// The diameters `afterPlate` must be made to before a coating of
// `minThickness` to `maxThickness` (one side, in the thread's unit). A limit
// the standard does not set stays empty; so do both limits of a diameter
// whose band the coating would close.
[[nodiscard]] SideDiameters prePlateDiameters(const SideLimits& afterPlate, double minThickness, double maxThickness);

} // namespace orvanta::threads
