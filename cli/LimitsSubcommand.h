// `orvanta-cli limits DESIGNATION [--plating] [--after-plate] [--format]`.
#pragma once

#include "LimitsCommand.h"
#include "Subcommand.h"
#include "ThreadOptions.h"

namespace orvanta::cli {

class LimitsSubcommand : public Subcommand {
public:
    explicit LimitsSubcommand(CLI::App& program);
    [[nodiscard]] int run() override;

private:
    LimitsRequest m_request;
    ThreadOptions m_options;
};

} // namespace orvanta::cli
