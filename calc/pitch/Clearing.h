// Esc and the Cancel button: clear a filled window, or end the program when
// no after-plate pitch diameter has been entered.
#pragma once

#include "PitchContext.h"

namespace orvanta {

class Clearing {
public:
    explicit Clearing(PitchContext& context);

    void cmdcancel_Click();
    // Empties and unlocks every field, empties the suggestions and puts the
    // start-up caption back. The unit choice stays.
    void clearform();

private:
    PitchContext& m_context;
};

} // namespace orvanta
