// `orvanta-cli inspect DESIGNATION [--plating] [--after-plate] [--wire] [--format]`.
#pragma once

#include "InspectCommand.h"
#include "Subcommand.h"
#include "ThreadOptions.h"

namespace orvanta::cli {

class InspectSubcommand : public Subcommand {
public:
    explicit InspectSubcommand(CLI::App& program);
    [[nodiscard]] int run() override;

private:
    InspectRequest m_request;
    ThreadOptions m_options;
    std::string m_wire;
};

} // namespace orvanta::cli
