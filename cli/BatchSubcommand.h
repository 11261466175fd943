// `orvanta-cli batch [INPUT] [-o OUTPUT] [--delimiter C] [--decimal-comma] [--inspect]`.
#pragma once

#include "BatchCommand.h"
#include "Subcommand.h"

namespace orvanta::cli {

class BatchSubcommand : public Subcommand {
public:
    explicit BatchSubcommand(CLI::App& program);
    [[nodiscard]] int run() override;

private:
    // Into OUTPUT whole, or OUTPUT left as it was.
    int toFile(std::FILE* in);
    int toStandardOutput(std::FILE* in);

    std::string m_input = "-";
    std::string m_output = "-";
    std::string m_delimiter = ",";
    BatchOptions m_options;
};

} // namespace orvanta::cli
