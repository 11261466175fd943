#include "InspectSubcommand.h"

#include <cstdio>

namespace orvanta::cli {

InspectSubcommand::InspectSubcommand(CLI::App& program)
    : Subcommand(program, "inspect",
                 "What to make and check the thread with, after plating and before: wire readings, GO and NOT GO "
                 "gauges, taps.")
    , m_options(command())
{
    command()
        .add_option("DESIGNATION", m_request.designation, "e.g. \"1/4-20 UNC-2A/2B\", \"M10x1.5-6H/6g\"")
        ->required();
    command().add_option("--wire", m_wire,
                         "the wire diameter for readings over three wires, in the designation's unit or with "
                         "its unit; the best wire by default");
}

int InspectSubcommand::run()
{
    if (!m_options.read(m_request.choices.rule, m_request.choices.plating, m_request.format) ||
        !m_options.read(m_request.choices.coating)) {
        return kFailure;
    }
    if (!m_wire.empty()) {
        std::string error;
        m_request.choices.wire = parseThickness(m_wire, ".", "--wire", error);
        if (!m_request.choices.wire) {
            std::fprintf(stderr, "orvanta-cli: %s\n", error.c_str());
            return kFailure;
        }
    }
    return runInspect(m_request, stdout);
}

} // namespace orvanta::cli
