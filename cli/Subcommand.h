// One command of orvanta-cli: it adds itself, with its own options, to the
// program's command line, and checks and runs them when it is the one given.
#pragma once

#include <CLI/CLI.hpp>

#include <string>

namespace orvanta::cli {

// A usage error, an input that is not a parts list, an output not written.
inline constexpr int kFailure = 2;

class Subcommand {
public:
    virtual ~Subcommand() = default;
    Subcommand(const Subcommand&) = delete;
    Subcommand& operator=(const Subcommand&) = delete;

    [[nodiscard]] bool given() const { return m_command->parsed(); }
    // Checks what the parser could not, then does the work; the exit status.
    [[nodiscard]] virtual int run() = 0;

protected:
    Subcommand(CLI::App& program, const std::string& name, const std::string& description)
        : m_command(program.add_subcommand(name, description))
    {
    }
    [[nodiscard]] CLI::App& command() const { return *m_command; }

private:
    CLI::App* m_command;
};

} // namespace orvanta::cli
