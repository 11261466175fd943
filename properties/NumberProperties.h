// The properties the calculator relies on from the number reader and the
// display patterns, checked against an exact integer reference. Plain C++:
// shared by the seeded test and the libFuzzer target.
#pragma once

#include "NumberText.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace numberproperties {

// The display pattern's decimals, and one other width the formatter takes.
inline constexpr int kCheckedDecimals[] = {orvanta::kPitchDecimals, 3};

// The value taken to 15 significant digits, then rounded half away from zero
// to `decimals` (at most 4), computed in integers. Only for |value| < 1e13,
// where every step fits 64 bits.
inline std::string referenceFixed(double value, int decimals, std::string_view separator)
{
    char scientific[40];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::fabs(value));
    std::uint64_t mantissa = 0;
    const char* cursor = scientific;
    for (; *cursor != 'e'; ++cursor) {
        if (*cursor >= '0' && *cursor <= '9') {
            mantissa = mantissa * 10 + static_cast<unsigned>(*cursor - '0');
        }
    }
    const int shift = std::atoi(cursor + 1) - 14 + decimals; // value * 10^decimals = mantissa * 10^shift
    std::uint64_t scaled = mantissa;
    if (shift >= 0) {
        for (int i = 0; i < shift; ++i) {
            scaled *= 10;
        }
    } else if (-shift > 19) {
        scaled = 0;
    } else {
        std::uint64_t divisor = 1;
        for (int i = 0; i < -shift; ++i) {
            divisor *= 10;
        }
        scaled = mantissa / divisor + (2 * (mantissa % divisor) >= divisor ? 1 : 0);
    }
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(scaled % 10)));
        scaled /= 10;
    } while (scaled != 0);
    const auto fraction = static_cast<std::size_t>(decimals);
    if (digits.size() <= fraction) {
        digits.insert(0, fraction + 1 - digits.size(), '0');
    }
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string text = (value < 0 && !zero) ? "-" : "";
    text += digits.substr(0, digits.size() - fraction);
    if (decimals > 0) {
        text += separator;
        text += digits.substr(digits.size() - fraction);
    }
    return text;
}

// What is wrong with formatting `value`; empty when nothing is.
inline std::string checkFormatted(double value, int decimals, std::string_view separator)
{
    const std::string text = orvanta::formatFixed(value, decimals, separator);
    const std::string quoted = "'" + text + "'";
    // Shape: optional minus, at least one digit, the separator, exactly `decimals` digits.
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t integerStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
    }
    if (i == integerStart) {
        return quoted + " has no digit before the separator";
    }
    if (text.compare(i, separator.size(), separator) != 0) {
        return quoted + " lacks the separator";
    }
    const std::string fraction = text.substr(i + separator.size());
    if (fraction.size() != static_cast<std::size_t>(decimals) ||
        fraction.find_first_not_of("0123456789") != std::string::npos) {
        return quoted + " does not have exactly the pattern's decimals";
    }
    if (text.starts_with('-') && text.find_first_not_of("-0" + std::string(separator)) == std::string::npos) {
        return quoted + " is a negative zero";
    }
    const std::optional<double> readBack = orvanta::parseNumber(text, separator);
    if (!readBack || !std::isfinite(*readBack)) {
        return quoted + " does not read back";
    }
    if (orvanta::formatFixed(*readBack, decimals, separator) != text) {
        return quoted + " reads back as another value";
    }
    if (std::fabs(value) < 1e13 && referenceFixed(value, decimals, separator) != text) {
        return quoted + " differs from the exact reference '" + referenceFixed(value, decimals, separator) + "'";
    }
    return {};
}

// What is wrong with reading `text`; empty when nothing is.
inline std::string checkText(std::string_view text, std::string_view separator)
{
    const std::optional<double> value = orvanta::parseNumber(text, separator);
    if (!value) {
        return {};
    }
    if (!std::isfinite(*value)) {
        return "'" + std::string(text) + "' passed but is not finite";
    }
    for (const int decimals : kCheckedDecimals) {
        if (std::string problem = checkFormatted(*value, decimals, separator); !problem.empty()) {
            return "'" + std::string(text) + "': " + problem;
        }
    }
    return {};
}

} // namespace numberproperties
