// Reading numbers typed into entry fields and writing them back in a fixed
// display pattern. One reader serves both the "is it a number" test and every
// conversion, so a text that passes the test always converts. No Qt: the
// caller passes the locale's decimal separator.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvanta {

// Decimals of the display pattern "0.0000".
inline constexpr int kPitchDecimals = 4;

// Accepts optional blanks around, an optional sign, digits with at most one
// decimal separator and at least one digit, and an optional exponent
// (e or E, optional sign, digits). Refuses everything else, including group
// separators, hexadecimal, inf/nan and values beyond the double range.
// A value too small for a double reads as zero.
[[nodiscard]] std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator);

// Fixed point with exactly `decimals` decimals and at least one digit before
// the separator, no group separators. The value is first taken to 15
// significant digits, so binary noise cannot tip a decimal half, then rounded
// half away from zero. A value that rounds to zero has no minus sign.
[[nodiscard]] std::string formatFixed(double value, int decimals, std::string_view decimalSeparator);

} // namespace orvanta
