// The Calculate command (the default button, so also Enter): calculates
// both sides from whatever their fields hold and locks each side it handled.
#pragma once

#include "PitchContext.h"

namespace orvanta {

class CalculateCommand {
public:
    explicit CalculateCommand(PitchContext& context);

    void cmdok_Click();

private:
    enum class Continue { NextSide, Stop };
    // One side: skipped without both thicknesses; otherwise its last
    // thickness is written back (Enter does not validate it), then ordered,
    // computed, shown and locked.
    Continue calculateSide(ThreadSide side);

    PitchContext& m_context;
};

} // namespace orvanta
