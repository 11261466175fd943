#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace orvanta {

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A text of the accepted form, rewritten for std::from_chars ('.' as the
// separator, no sign). The two exponents tell an underflow from an overflow
// when the value does not fit a double.
struct CanonicalNumber {
    std::string text;
    bool negative = false;
    bool allZero = true;
    long long leadingExponent = 0; // power of ten of the first non-zero digit as written
    long long writtenExponent = 0; // the e-part
};

std::optional<CanonicalNumber> canonicalise(std::string_view text, std::string_view separator)
{
    CanonicalNumber number;
    text = trimBlanks(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }

    std::size_t integerDigits = 0;
    std::size_t fractionDigits = 0;
    bool seenSeparator = false;
    std::size_t firstNonZeroIndex = 0; // among the digits alone
    bool seenNonZero = false;
    while (!text.empty()) {
        const char c = text.front();
        if (isDigit(c)) {
            number.text.push_back(c);
            if (seenSeparator) {
                ++fractionDigits;
            } else {
                ++integerDigits;
            }
            if (c != '0' && !seenNonZero) {
                seenNonZero = true;
                firstNonZeroIndex = integerDigits + fractionDigits - 1;
            }
            text.remove_prefix(1);
        } else if (!seenSeparator && !separator.empty() && text.substr(0, separator.size()) == separator) {
            seenSeparator = true;
            number.text.push_back('.');
            text.remove_prefix(separator.size());
        } else {
            break;
        }
    }
    if (integerDigits + fractionDigits == 0) {
        return std::nullopt;
    }
    number.allZero = !seenNonZero;
    if (seenNonZero) {
        // The power of ten at which the first significant digit stands.
        number.leadingExponent = static_cast<long long>(integerDigits) - static_cast<long long>(firstNonZeroIndex) - 1;
    }

    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        text.remove_prefix(1);
        std::string exponent;
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            exponent.push_back(text.front());
            text.remove_prefix(1);
        }
        std::size_t exponentDigits = 0;
        while (!text.empty() && isDigit(text.front())) {
            exponent.push_back(text.front());
            text.remove_prefix(1);
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return std::nullopt;
        }
        number.text += 'e';
        number.text += exponent;
        // Only its size matters: saturate instead of overflowing.
        const char* first = exponent.data() + (exponent.front() == '+' ? 1 : 0);
        const auto [end, error] = std::from_chars(first, exponent.data() + exponent.size(), number.writtenExponent);
        if (error == std::errc::result_out_of_range) {
            number.writtenExponent = exponent.front() == '-' ? -1'000'000 : 1'000'000;
        }
        static_cast<void>(end);
    }
    if (!trimBlanks(text).empty()) {
        return std::nullopt;
    }
    return number;
}

} // namespace

std::optional<double> parseNumber(std::string_view text, std::string_view decimalSeparator)
{
    const std::optional<CanonicalNumber> number = canonicalise(text, decimalSeparator);
    if (!number) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* begin = number->text.data();
    const char* end = begin + number->text.size();
    const auto [last, error] = std::from_chars(begin, end, value, std::chars_format::general);
    if (last != end) {
        return std::nullopt;
    }
    if (error == std::errc::result_out_of_range) {
        const long long magnitude = number->leadingExponent + number->writtenExponent;
        if (!number->allZero && magnitude >= 0) {
            return std::nullopt; // beyond the double range
        }
        value = 0.0; // too small to hold: it is zero
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return number->negative ? -value : value;
}

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator)
{
    if (!std::isfinite(value)) {
        return {};
    }
    decimals = std::clamp(decimals, 0, 15);

    // 15 significant digits, as "d.dddddddddddddde[+-]x". Near the top of the
    // double range they would round up past it and the text would no longer
    // read back; there the largest 15-digit value below the range stands in.
    constexpr double kLargest15Digits = 1.79769313486231e308;
    char scientific[32];
    std::snprintf(scientific, sizeof scientific, "%.14e", std::min(std::fabs(value), kLargest15Digits));
    std::string digits;
    const char* cursor = scientific;
    for (; *cursor != 'e'; ++cursor) {
        if (isDigit(*cursor)) {
            digits.push_back(*cursor);
        }
    }
    const int exponent = std::atoi(cursor + 1);

    // digits[0] stands at 10^exponent. Keep the digits down to 10^-decimals.
    const long keep = static_cast<long>(exponent) + 1 + decimals;
    std::string kept; // the value times 10^decimals, as an integer's digits
    if (keep <= 0) {
        // Everything is below half a unit of the last decimal, except a
        // leading digit of 5 or more just below it.
        kept.assign(1, (keep == 0 && digits[0] >= '5') ? '1' : '0');
    } else {
        const auto keepCount = static_cast<std::size_t>(keep);
        kept = digits.substr(0, std::min(keepCount, digits.size()));
        kept.append(keepCount > digits.size() ? keepCount - digits.size() : 0, '0');
        if (keepCount < digits.size() && digits[keepCount] >= '5') {
            // Round half away from zero on the magnitude: carry upwards.
            std::size_t i = kept.size();
            while (i > 0 && kept[i - 1] == '9') {
                kept[--i] = '0';
            }
            if (i == 0) {
                kept.insert(kept.begin(), '1');
            } else {
                ++kept[i - 1];
            }
        }
    }

    // Split into integer and fraction, with at least one integer digit.
    const auto fractionSize = static_cast<std::size_t>(decimals);
    if (kept.size() <= fractionSize) {
        kept.insert(0, fractionSize + 1 - kept.size(), '0');
    }
    std::string integerPart = kept.substr(0, kept.size() - fractionSize);
    const std::string fractionPart = kept.substr(kept.size() - fractionSize);
    const auto firstNonZero = integerPart.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        integerPart.assign(1, '0');
    } else {
        integerPart.erase(0, firstNonZero);
    }

    const bool isZero = integerPart == "0" && fractionPart.find_first_not_of('0') == std::string::npos;
    std::string text;
    if (value < 0 && !isZero) {
        text.push_back('-');
    }
    text += integerPart;
    if (decimals > 0) {
        text += decimalSeparator;
        text += fractionPart;
    }
    return text;
}

} // namespace orvanta
