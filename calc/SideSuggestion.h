// One thread side from its four entries, with the calculator window's own
// rules and messages, for callers that have no window: each entry taken to
// the display pattern its field would write back, the after-plate
// limits must leave a band, the thicknesses must not be reversed, and the
// plating must leave a band between the suggestions (compared as shown).
#pragma once

#include "PlatingArithmetic.h"

#include <string>

namespace orvanta {

inline constexpr const char* kPlateTooGreatMessage = "Plate thickness is too great.";
inline constexpr const char* kValueTooLargeMessage = "Value too large to calculate.";

struct SideSuggestion {
    SideEntry entry;       // the entries as their fields show them
    PrePlateLimits limits; // absent limits were not computed
    // The limits as the window shows them (pattern "0.0000", a point); empty
    // when not computed.
    std::string preplateMaxText;
    std::string preplateMinText;
    std::string error; // the window's message for this side; empty when none
};

// The entries must already be taken to their display pattern (asDisplayed).
// Without both thicknesses nothing is computed and nothing is wrong.
[[nodiscard]] SideSuggestion suggestShownSide(ThreadSide side, const SideEntry& shown);

// A value as its four-decimal display reads back.
[[nodiscard]] double asDisplayed(double value);
// The same, with the display text it reads back from.
[[nodiscard]] double asDisplayed(double value, std::string& text);

// No band is left when the suggested minimum, as shown, is not below the
// suggested maximum as shown.
[[nodiscard]] bool leavesNoBand(double preplateMax, double preplateMin);

} // namespace orvanta
