// Every text the calculator window's handlers show or compare, as the user
// sees it (typos included: users and their work instructions quote them).
#pragma once

#include "SideSuggestion.h"

namespace orvanta::captions {

// Prompts written to the instruction line when a field receives the focus.
inline constexpr const char* kEnterMaxPitch = "Enter Maximum After Plate Pitch Diameter and press <TAB>.";
inline constexpr const char* kEnterMinPitch = "Enter Minimum After Plate Pitch Diameter and press <TAB>.";
inline constexpr const char* kEnterMaxThickness = "Enter Maximum Plating or Coating Thickness and press <TAB>.";
inline constexpr const char* kEnterMinThickness = "Enter Minimum Plating or Coating Thickness and press <TAB>.";
inline constexpr const char* kEnterMinThicknessAndCalculate =
    "Enter Minimum Plating or Coating Thickness and Press <ENTER> to calculate Suggested Pre-Plate Pitch Diameter.";
inline constexpr const char* kEnterMaxThicknessAndCalculate =
    "Enter Maximum Plating or Coating Thickness and Press <ENTER> to calculate Suggested Pre-Plate Pitch Diameter.";

// The outcome of a calculation.
inline constexpr const char* kSuggestionShown =
    "The Suggested Pre-Plate Pitch Diameter is Shown Below.  Press <ESC> to Clear form and begin again.";

// Re-entry signals: while one stands, the other side's first fields send
// the focus back to the signalling side's first thickness field.
inline constexpr const char* kReenterExternal = "Re-Enter external plate thicknesses.";
inline constexpr const char* kReenterInternal = "Re-Enter internal plate thicknesses.";

// Messages.
inline constexpr const char* kEnterNumeric = "Enter Numeric Value.";
inline constexpr const char* kEnterNumericExternalMin = "Enter Numberic Value.";
inline constexpr const char* kPlateTooGreat = kPlateTooGreatMessage;
inline constexpr const char* kValueTooLarge = kValueTooLargeMessage;

} // namespace orvanta::captions
