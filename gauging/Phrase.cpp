#include "Phrase.h"

#include "NumberText.h"

namespace orvanta::gauging {

Phrase::Phrase(std::string text)
{
    if (!text.empty()) {
        m_parts.push_back({std::move(text), std::nullopt});
    }
}

Phrase::Phrase(const char* text)
    : Phrase(std::string(text))
{
}

Phrase::Phrase(Quantity number)
{
    m_parts.push_back({{}, std::move(number)});
}

Phrase& Phrase::operator+=(const Phrase& more)
{
    m_parts.insert(m_parts.end(), more.m_parts.begin(), more.m_parts.end());
    return *this;
}

std::string Phrase::written(std::string_view decimalSeparator) const
{
    std::string text;
    for (const Part& part : m_parts) {
        if (part.number) {
            text += formatFixed(part.number->value, part.number->decimals, decimalSeparator) + part.number->unit;
        } else {
            text += part.text;
        }
    }
    return text;
}

Phrase length(double value, UnitSystem unit)
{
    return Phrase(Quantity{value, kPitchDecimals, unit == UnitSystem::Inch ? " in" : " mm"});
}

Phrase number(double value, int decimals, std::string unit)
{
    return Phrase(Quantity{value, decimals, std::move(unit)});
}

} // namespace orvanta::gauging
