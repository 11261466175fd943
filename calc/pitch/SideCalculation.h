// The steps of one thread side, the same for both sides in their own field
// order: leaving its second after-plate field and its last thickness field,
// its thickness order, "compute, show, lock, check that a band is left"
// (shared with the Calculate command), and the re-entry forwarding.
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

// True when both suggestions are shown and the minimum is not below the
// maximum. Compared as shown: two values that display alike leave no band.
[[nodiscard]] bool noBandLeft(const PitchContext& context, const SideControls& fields);

// Where the focus goes when the plating leaves no band.
enum class OnPlatingTooGreat { KeepFocus, FocusFirstThickness };

// Computes the side from its fields, writes each suggestion whose after-plate
// value is present (in the side's write order), writes the outcome caption,
// locks the side, and checks that the suggested minimum stays below the
// maximum; when it does not, says so and raises the side's re-entry signal.
SideOutcome showSuggestion(PitchContext& context, ThreadSide side, ThicknessOrder order, OnPlatingTooGreat focusPolicy);

// The side's second after-plate field is left (external minimum, internal
// maximum): the entry rule; an empty partner is asked for without a message;
// then the minimum must be strictly below the maximum.
void leaveSecondPitch(PitchContext& context, ThreadSide side, bool& cancel);

// The side's last thickness field is left: the entry rule; an empty partner
// thickness is asked for without a message; the internal side also waits
// for both after-plate limits; then the order is checked and the suggestion
// shown. The external side sends the user back to its thicknesses when the
// plating leaves no band; the internal side leaves its signal standing.
void leaveLastThickness(PitchContext& context, ThreadSide side, bool& cancel);

// While `signalling`'s re-entry signal stands, the other side's first fields
// send the focus to `signalling`'s first thickness field. True when it did.
bool forwardReentry(PitchContext& context, ThreadSide signalling);

} // namespace orvanta
