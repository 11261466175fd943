// libFuzzer target: any text through the number reader and the display
// patterns, with both separators; any input's first eight bytes also as a
// double. A broken property aborts with its description.
#include "NumberProperties.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const std::string_view separator : {std::string_view("."), std::string_view(",")}) {
        std::string problem = numberproperties::checkText(text, separator);
        if (problem.empty() && size >= sizeof(double)) {
            double value = 0;
            std::memcpy(&value, data, sizeof value);
            if (std::isfinite(value)) {
                problem = numberproperties::checkFormatted(value, orvanta::kPitchDecimals, separator);
            }
        }
        if (!problem.empty()) {
            std::fprintf(stderr, "property broken: %s\n", problem.c_str());
            std::abort();
        }
    }
    return 0;
}
