#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// The value's first 15 significant digits, correctly rounded, and the power
// of ten of the first. The shortest text that reads back as the value is
// exact for this whenever it has 15 digits or fewer: the value lies within
// half a unit in the last place of a double of it, far closer than half a
// unit of the 15th digit, so rounding the value itself gives the same digits.
// Longer texts take the slower rounding at a fixed precision.
int significantDigits(double magnitude, char (&digits)[15])
{
    char text[40];
    auto written = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    const char* e = std::find(text, written.ptr, 'e');
    const int shortestDigits = static_cast<int>(e - text) - (e - text > 1 ? 1 : 0);
    if (shortestDigits > 15) {
        written = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, 14);
        e = std::find(text, written.ptr, 'e');
    }
    int count = 0;
    for (const char* c = text; c != e; ++c) {
        if (isDigit(*c)) {
            digits[count++] = *c;
        }
    }
    std::fill(digits + count, digits + 15, '0');
    const char* exponentText = e + 1 + (e[1] == '+' ? 1 : 0);
    int exponent = 0;
    std::from_chars(exponentText, written.ptr, exponent);
    return exponent;
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
    constexpr int kDigits = 15;
    char digits[kDigits];
    const int exponent = significantDigits(std::min(std::fabs(value), kLargest15Digits), digits);

    // digits[0] stands at 10^exponent. Keep the digits down to 10^-decimals:
    // the value times 10^decimals, as an integer's digits, with one spare
    // place in front for a carry.
    const int keep = exponent + 1 + decimals;
    char kept[kDigits + 340];
    char* first = kept + 1;
    int count = 0;
    if (keep <= 0) {
        // Everything is below half a unit of the last decimal, except a
        // leading digit of 5 or more just below it.
        first[count++] = (keep == 0 && digits[0] >= '5') ? '1' : '0';
    } else {
        for (; count < keep; ++count) {
            first[count] = count < kDigits ? digits[count] : '0';
        }
        if (keep < kDigits && digits[keep] >= '5') {
            // Round half away from zero on the magnitude: carry upwards.
            int i = count;
            while (i > 0 && first[i - 1] == '9') {
                first[--i] = '0';
            }
            if (i == 0) {
                *--first = '1';
                ++count;
            } else {
                ++first[i - 1];
            }
        }
    }

    // Split into integer and fraction, with at least one integer digit.
    int integerDigits = count - decimals;
    const char* fraction = first + std::max(integerDigits, 0);
    const int fractionLeadingZeros = std::max(-integerDigits, 0);
    const char* integer = first;
    while (integerDigits > 1 && *integer == '0') {
        ++integer;
        --integerDigits;
    }
    const bool integerIsZero = integerDigits <= 0 || (integerDigits == 1 && *integer == '0');
    const bool isZero = integerIsZero &&
                        std::all_of(fraction, static_cast<const char*>(first + count), [](char c) { return c == '0'; });

    std::string text;
    text.reserve(static_cast<std::size_t>(std::max(integerDigits, 1) + decimals) + decimalSeparator.size() + 1);
    if (value < 0 && !isZero) {
        text.push_back('-');
    }
    if (integerDigits <= 0) {
        text.push_back('0');
    } else {
        text.append(integer, static_cast<std::size_t>(integerDigits));
    }
    if (decimals > 0) {
        text += decimalSeparator;
        text.append(static_cast<std::size_t>(fractionLeadingZeros), '0');
        text.append(fraction, static_cast<const char*>(first + count));
    }
    return text;
}

} // namespace orvanta
