// `orvanta-cli inspect`: the checks of one designation as text, CSV or JSON.
#pragma once

#include "InspectRows.h"
#include "LimitsCommand.h"

#include <cstdio>

namespace orvanta::cli {

struct InspectRequest {
    std::string designation;
    InspectChoices choices;
    OutputFormat format = OutputFormat::Text;
};

// Returns the exit status: 0 when every check was given, 1 when one has an
// error (a designation that cannot be inspected, a wire that does not fit).
int runInspect(const InspectRequest& request, std::FILE* out);

} // namespace orvanta::cli
