// `orvanta-cli limits`: one designation, its after-plate limits and, with a
// plating, the suggested pre-plate limits, as text, CSV or JSON.
#pragma once

#include "PlatingText.h"
#include "ResultRow.h"

#include <cstdio>

namespace orvanta::cli {

enum class OutputFormat { Text, Csv, Json };

struct LimitsRequest {
    std::string designation;
    threads::AfterPlate rule = threads::AfterPlate::ClassLimits;
    std::optional<PlatingSpec> plating;
    CoatingRequest coating;
    OutputFormat format = OutputFormat::Text;
};

// Writes the answer; returns the exit status: 0 when every side was
// computed, 1 when a side has an error.
int runLimits(const LimitsRequest& request, std::FILE* out);

} // namespace orvanta::cli
