#include "BatchSubcommand.h"

#include "InputFile.h"
#include "RemovedOnSignal.h"
#include "ReplacingFile.h"

#include <csignal>
#include <cstdio>

namespace orvanta::cli {

namespace {

class StandardOutput : public OutputOpener {
public:
    std::FILE* open(std::string&) override { return m_opened = stdout; }
    // False when standard output could not be written to the end.
    bool close() { return m_opened == nullptr || (std::fflush(stdout) == 0 && std::ferror(stdout) == 0); }

private:
    std::FILE* m_opened = nullptr;
};

} // namespace

BatchSubcommand::BatchSubcommand(CLI::App& program)
    : Subcommand(program, "batch",
                 "Adds each row's limits to a CSV parts list: one output row per row and thread side.")
{
    CLI::App& batch = command();
    batch.add_option("INPUT", m_input, "the parts list; - or nothing for standard input");
    batch.add_option("-o,--output", m_output, "where to write; standard output by default");
    batch.add_option("--delimiter", m_delimiter, "field delimiter of input and output (default ,)")
        ->check([](const std::string& text) {
            return text.size() == 1 && text != "\"" && text != "\n" && text != "\r"
                       ? std::string()
                       : std::string("the delimiter is one character, not a quote or a line break");
        });
    batch.add_flag("--decimal-comma", m_options.decimalComma, "numbers are read and written with a decimal comma");
    batch.add_flag("--inspect", m_options.inspect,
                   "a row per check (wires, gauges, taps) of every side and stage, after the list's columns");
}

int BatchSubcommand::run()
{
    m_options.delimiter = m_delimiter.front();
    if (m_options.decimalComma && m_options.delimiter == ',') {
        std::fprintf(stderr, "orvanta-cli: --decimal-comma needs another delimiter, such as --delimiter ';'\n");
        return kFailure;
    }
    InputFile input;
    std::string error;
    if (!input.open(m_input, error)) {
        std::fprintf(stderr, "orvanta-cli: %s\n", error.c_str());
        return kFailure;
    }
    m_options.inputName = input.name();
#ifdef SIGXFSZ
    // Past a file-size limit a write then fails and is reported, instead of
    // the signal ending the program before it can clean up.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    return m_output == "-" ? toStandardOutput(input.file()) : toFile(input.file());
}

int BatchSubcommand::toStandardOutput(std::FILE* in)
{
    StandardOutput out;
    int status = runBatch(in, out, stderr, m_options);
    if (!out.close()) {
        std::fprintf(stderr, "orvanta-cli: writing standard output failed\n");
        status = kFailure;
    }
    return status;
}

int BatchSubcommand::toFile(std::FILE* in)
{
    removeTemporaryOnSignal();
    ReplacingFile out(m_output);
    int status = runBatch(in, out, stderr, m_options);
    std::string error;
    if (status == kFailure) {
        out.discard();
    } else if (!out.commit(error)) {
        std::fprintf(stderr, "orvanta-cli: %s; %s is left as it was\n", error.c_str(), m_output.c_str());
        status = kFailure;
    }
    return status;
}

} // namespace orvanta::cli
