// A sentence with numbers in it, kept as numbers until the reader's decimal
// separator is known. The gauging library decides what to say; whoever
// shows it (the window, the record, the console) writes it out with
// `written`, through the calculator's one number formatter, so no output
// mixes a point and a comma.
#pragma once

#include "PlatingArithmetic.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orvanta::gauging {

struct Quantity {
    double value = 0;
    int decimals = 0;
    std::string unit; // written straight after the number: " in", " mm", " P", ""
};

class Phrase {
public:
    Phrase() = default;
    Phrase(std::string text); // NOLINT(google-explicit-constructor): plain words read as a phrase
    Phrase(const char* text); // NOLINT(google-explicit-constructor)
    explicit Phrase(Quantity number);

    [[nodiscard]] bool empty() const { return m_parts.empty(); }
    Phrase& operator+=(const Phrase& more);
    friend Phrase operator+(Phrase left, const Phrase& right) { return left += right; }
    friend bool operator==(const Phrase&, const Phrase&) = default;

    // The whole phrase with every number in the pattern its quantity asks
    // for, with `decimalSeparator`.
    [[nodiscard]] std::string written(std::string_view decimalSeparator) const;

private:
    struct Part {
        std::string text;
        std::optional<Quantity> number;
        friend bool operator==(const Part& a, const Part& b)
        {
            return a.text == b.text && a.number.has_value() == b.number.has_value() &&
                   (!a.number || (a.number->value == b.number->value && a.number->decimals == b.number->decimals &&
                                  a.number->unit == b.number->unit));
        }
    };
    std::vector<Part> m_parts;
};

// A length as the calculator shows it: four decimals and the unit ("0.0289 in").
[[nodiscard]] Phrase length(double value, UnitSystem unit);
// A plain number with `decimals` decimals, e.g. a factor of the pitch.
[[nodiscard]] Phrase number(double value, int decimals, std::string unit = {});

} // namespace orvanta::gauging
