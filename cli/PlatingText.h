// Plating thicknesses as people write them: a number, in the thread's unit,
// or with its unit after it (0.0002in, 5um, 5 µm, 0.005 mm).
#pragma once

#include "PlatingArithmetic.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvanta::cli {

enum class ThicknessUnit { ThreadUnit, Inch, Millimetre, Micrometre };

struct Thickness {
    double value = 0;
    ThicknessUnit unit = ThicknessUnit::ThreadUnit;
};

// Thicknesses in the thread's unit.
struct Plating {
    double min = 0;
    double max = 0;
};

struct PlatingSpec {
    Thickness min;
    Thickness max;
};

// Nothing, with `error` saying why, when the number or its unit is not read
// or the number is below zero; `what` names the value in the message
// ("plating_min", "--plating").
[[nodiscard]] std::optional<Thickness> parseThickness(std::string_view text, std::string_view decimalSeparator,
                                                      std::string_view what, std::string& error);

// Reads "MIN:MAX" or "T" (both thicknesses T), numbers with a point, each
// with its unit or in the thread's; nothing, with `error`, otherwise.
[[nodiscard]] std::optional<PlatingSpec> parsePlating(std::string_view text, std::string& error);

// The thickness in a thread's unit, converted exactly (25.4 mm per inch);
// the four-decimal pattern is applied where it is shown, as to any entry.
[[nodiscard]] double inThreadUnit(const Thickness& thickness, UnitSystem unit);
[[nodiscard]] std::optional<Plating> inThreadUnit(const std::optional<PlatingSpec>& plating, UnitSystem unit);

} // namespace orvanta::cli
