// How sizes and pitches are written back in designations.
#pragma once

#include <string>

namespace orvanta::threads {

// Threads per inch from tenths: 13, 4.5.
[[nodiscard]] inline std::string tpiText(int tenths)
{
    return std::to_string(tenths / 10) + (tenths % 10 == 0 ? "" : "." + std::to_string(tenths % 10));
}

// Millimetres from micrometres without trailing zeros: 10, 1.6, 0.35.
[[nodiscard]] inline std::string millimetres(long micro)
{
    std::string text = std::to_string(micro / 1000);
    if (micro % 1000 != 0) {
        text += "." + std::to_string(1000 + micro % 1000).substr(1);
        while (text.back() == '0') {
            text.pop_back();
        }
    }
    return text;
}

} // namespace orvanta::threads
