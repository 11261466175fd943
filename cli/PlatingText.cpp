#include "PlatingText.h"

#include "NumberText.h"

#include <array>

namespace orvanta::cli {

namespace {

struct UnitName {
    std::string_view written;
    ThicknessUnit unit;
};

// "µ" is written as the micro sign (U+00B5) or the Greek mu (U+03BC).
constexpr std::array<UnitName, 5> kUnits = {{
    {"in", ThicknessUnit::Inch},
    {"mm", ThicknessUnit::Millimetre},
    {"um", ThicknessUnit::Micrometre},
    {"\xC2\xB5m", ThicknessUnit::Micrometre},
    {"\xCE\xBCm", ThicknessUnit::Micrometre},
}};

bool isUnitByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (static_cast<unsigned char>(c) & 0x80) != 0;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    return first == std::string_view::npos ? std::string_view() : text.substr(first, last - first + 1);
}

} // namespace

std::optional<Thickness> parseThickness(std::string_view text, std::string_view decimalSeparator, std::string_view what,
                                        std::string& error)
{
    text = trimmed(text);
    std::size_t unitStart = text.size();
    while (unitStart > 0 && isUnitByte(text[unitStart - 1])) {
        --unitStart;
    }
    const std::string_view number = trimmed(text.substr(0, unitStart));
    const std::string_view unit = text.substr(unitStart);
    const std::optional<double> value = parseNumber(unit.empty() ? text : number, decimalSeparator);
    if (!value) {
        error = std::string(what) + " is not a number: " + std::string(text);
        return std::nullopt;
    }
    if (*value < 0) {
        error = std::string(what) + " is below zero: " + std::string(text);
        return std::nullopt;
    }
    if (unit.empty()) {
        return Thickness{*value, ThicknessUnit::ThreadUnit};
    }
    for (const UnitName& known : kUnits) {
        if (unit == known.written) {
            return Thickness{*value, known.unit};
        }
    }
    error = std::string(what) + " has a unit Orvanta does not know: " + std::string(unit) +
            " (use in, mm, um or \xC2\xB5m)";
    return std::nullopt;
}

std::optional<PlatingSpec> parsePlating(std::string_view text, std::string& error)
{
    const std::size_t colon = text.find(':');
    const std::optional<Thickness> first = parseThickness(text.substr(0, colon), ".", "--plating", error);
    if (colon == std::string_view::npos || !first) {
        return first ? std::optional<PlatingSpec>(PlatingSpec{*first, *first}) : std::nullopt;
    }
    const std::optional<Thickness> second = parseThickness(text.substr(colon + 1), ".", "--plating", error);
    return second ? std::optional<PlatingSpec>(PlatingSpec{*first, *second}) : std::nullopt;
}

double inThreadUnit(const Thickness& thickness, UnitSystem unit)
{
    constexpr double kMillimetresPerInch = 25.4;
    const bool inch = unit == UnitSystem::Inch;
    switch (thickness.unit) {
    case ThicknessUnit::ThreadUnit:
        return thickness.value;
    case ThicknessUnit::Inch:
        return inch ? thickness.value : thickness.value * kMillimetresPerInch;
    case ThicknessUnit::Millimetre:
        return inch ? thickness.value / kMillimetresPerInch : thickness.value;
    case ThicknessUnit::Micrometre:
        return inch ? thickness.value / (1000.0 * kMillimetresPerInch) : thickness.value / 1000.0;
    }
    return thickness.value;
}

std::optional<Plating> inThreadUnit(const std::optional<PlatingSpec>& plating, UnitSystem unit)
{
    if (!plating) {
        return std::nullopt;
    }
    return Plating{inThreadUnit(plating->min, unit), inThreadUnit(plating->max, unit)};
}

} // namespace orvanta::cli
