// orvanta-cli: the calculator's answers for one thread or a whole parts list.
// Each command reads its own options; this only picks the one given.
#include "BatchSubcommand.h"
#include "InspectSubcommand.h"
#include "LimitsSubcommand.h"

#include <CLI/CLI.hpp>

#include <array>

int main(int argc, char** argv)
{
    using namespace orvanta::cli;
    CLI::App app{"Suggested pre-plate pitch diameter limits of 60-degree threads (ASME B1.1, ISO 965-1 / "
                 "ASME B1.13M).",
                 "orvanta-cli"};
    app.set_version_flag("--version", std::string("orvanta-cli ") + ORVANTA_VERSION);
    app.require_subcommand(1);
    LimitsSubcommand limits(app);
    InspectSubcommand inspect(app);
    BatchSubcommand batch(app);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kFailure;
    }
    for (Subcommand* command : std::array<Subcommand*, 3>{&limits, &inspect, &batch}) {
        if (command->given()) {
            return command->run();
        }
    }
    return kFailure; // require_subcommand(1) leaves none unparsed
}
