#include "LimitsSubcommand.h"

namespace orvanta::cli {

LimitsSubcommand::LimitsSubcommand(CLI::App& program)
    : Subcommand(program, "limits", "After-plate and pre-plate pitch diameter limits of one thread designation.")
    , m_options(command())
{
    command().add_option("DESIGNATION", m_request.designation, "e.g. \"1/2-13 UNC-2A\", \"M10x1.5-6H/6g\"")->required();
}

int LimitsSubcommand::run()
{
    if (!m_options.read(m_request.rule, m_request.plating, m_request.format) || !m_options.read(m_request.coating)) {
        return kFailure;
    }
    return runLimits(m_request, stdout);
}

} // namespace orvanta::cli
