// The steps one thread side shares between its entry sequence and the
// Calculate command: its thickness order, and "compute, show, lock, check
// that a band is left".
#pragma once

#include "PitchContext.h"

#include <optional>

namespace orvanta {

// The side's thickness order read from its fields as they stand; nothing
// when a thickness is not a number (reported already). Both fields are
// expected to hold text.
[[nodiscard]] std::optional<ThicknessOrder> readThicknessOrder(PitchContext& context, ThreadSide side);

// The side's thicknesses are Reversed: its message, and the last thickness
// field's text selected for correction.
void refuseReversedThicknesses(PitchContext& context, ThreadSide side);

enum class SideOutcome {
    Stopped,         // a field was not a number, or the arithmetic overflowed
    Shown,           // the suggestion is shown and the side locked
    PlatingTooGreat, // shown and locked, but no band is left: re-entry signalled
};

// Where the focus goes when the plating leaves no band.
enum class OnPlatingTooGreat { KeepFocus, FocusFirstThickness };

// Computes the side from its fields, writes each suggestion whose after-plate
// value is present (in the side's write order), writes the outcome caption,
// locks the side, and checks that the suggested minimum stays below the
// maximum; when it does not, says so and raises the side's re-entry signal.
SideOutcome showSuggestion(PitchContext& context, ThreadSide side, ThicknessOrder order, OnPlatingTooGreat focusPolicy);

} // namespace orvanta
