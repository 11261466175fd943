// orvanta-cli: the calculator's answers for one thread or a whole parts list.
#include "BatchCommand.h"
#include "InspectCommand.h"
#include "LimitsCommand.h"
#include "ReplacingFile.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

using orvanta::cli::BatchOptions;
using orvanta::cli::InspectRequest;
using orvanta::cli::LimitsRequest;
using orvanta::cli::OutputFormat;

constexpr int kUsage = 2;

class StandardOutput : public orvanta::cli::OutputOpener {
public:
    std::FILE* open(std::string&) override { return m_opened = stdout; }
    // False when standard output could not be written to the end.
    bool close() { return m_opened == nullptr || (std::fflush(stdout) == 0 && std::ferror(stdout) == 0); }

private:
    std::FILE* m_opened = nullptr;
};

// The options `limits` and `inspect` share.
struct ThreadOptions {
    std::string plating;
    std::string afterPlate = "class";
    std::string format = "text";
};

void addThreadOptions(CLI::App& command, ThreadOptions& options)
{
    command.add_option("--plating", options.plating,
                       "plating thickness MIN:MAX, or T for both, in the designation's unit or with "
                       "in, mm, um or \xC2\xB5m after each number");
    command
        .add_option("--after-plate", options.afterPlate,
                    "class: the class limits apply after plating (default); allowance: plating may use "
                    "the allowance, GO at basic size")
        ->check(CLI::IsMember({"class", "allowance"}));
    command.add_option("--format", options.format, "text (default), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}));
}

bool readThreadOptions(const ThreadOptions& options, orvanta::threads::AfterPlate& rule,
                       std::optional<orvanta::cli::PlatingSpec>& plating, OutputFormat& format)
{
    if (!options.plating.empty()) {
        std::string error;
        plating = orvanta::cli::parsePlating(options.plating, error);
        if (!plating) {
            std::fprintf(stderr, "orvanta-cli: %s; --plating takes MIN:MAX or T, numbers with a point\n",
                         error.c_str());
            return false;
        }
    }
    rule = options.afterPlate == "allowance" ? orvanta::threads::AfterPlate::UseAllowance
                                             : orvanta::threads::AfterPlate::ClassLimits;
    format = options.format == "csv" ? OutputFormat::Csv
                                     : (options.format == "json" ? OutputFormat::Json : OutputFormat::Text);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Suggested pre-plate pitch diameter limits of 60-degree threads (ASME B1.1, ISO 965-1 / "
                 "ASME B1.13M).",
                 "orvanta-cli"};
    app.set_version_flag("--version", std::string("orvanta-cli ") + ORVANTA_VERSION);
    app.require_subcommand(1);

    ThreadOptions limitsOptions;
    LimitsRequest limits;
    CLI::App* limitsCommand =
        app.add_subcommand("limits", "After-plate and pre-plate pitch diameter limits of one thread designation.");
    limitsCommand->add_option("DESIGNATION", limits.designation, "e.g. \"1/2-13 UNC-2A\", \"M10x1.5-6H/6g\"")
        ->required();
    addThreadOptions(*limitsCommand, limitsOptions);

    ThreadOptions inspectOptions;
    InspectRequest inspect;
    std::string wire;
    CLI::App* inspectCommand = app.add_subcommand(
        "inspect", "What to make and check the thread with, after plating and before: wire readings, GO and NOT GO "
                   "gauges, taps.");
    inspectCommand->add_option("DESIGNATION", inspect.designation, "e.g. \"1/4-20 UNC-2A/2B\", \"M10x1.5-6H/6g\"")
        ->required();
    addThreadOptions(*inspectCommand, inspectOptions);
    inspectCommand->add_option("--wire", wire,
                               "the wire diameter for readings over three wires, in the designation's unit or with "
                               "its unit; the best wire by default");

    std::string input = "-";
    std::string output = "-";
    std::string delimiter = ",";
    BatchOptions batch;
    CLI::App* batchCommand = app.add_subcommand(
        "batch", "Adds each row's limits to a CSV parts list: one output row per row and thread side.");
    batchCommand->add_option("INPUT", input, "the parts list; - or nothing for standard input");
    batchCommand->add_option("-o,--output", output, "where to write; standard output by default");
    batchCommand->add_option("--delimiter", delimiter, "field delimiter of input and output (default ,)")
        ->check([](const std::string& text) {
            return text.size() == 1 && text != "\"" && text != "\n" && text != "\r"
                       ? std::string()
                       : std::string("the delimiter is one character, not a quote or a line break");
        });
    batchCommand->add_flag("--decimal-comma", batch.decimalComma, "numbers are read and written with a decimal comma");
    batchCommand->add_flag("--inspect", batch.inspect,
                           "a row per check (wires, gauges, taps) of every side and stage, after the list's columns");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kUsage;
    }

    if (limitsCommand->parsed()) {
        if (!readThreadOptions(limitsOptions, limits.rule, limits.plating, limits.format)) {
            return kUsage;
        }
        return orvanta::cli::runLimits(limits, stdout);
    }
    if (inspectCommand->parsed()) {
        if (!readThreadOptions(inspectOptions, inspect.choices.rule, inspect.choices.plating, inspect.format)) {
            return kUsage;
        }
        if (!wire.empty()) {
            std::string error;
            inspect.choices.wire = orvanta::cli::parseThickness(wire, ".", "--wire", error);
            if (!inspect.choices.wire) {
                std::fprintf(stderr, "orvanta-cli: %s\n", error.c_str());
                return kUsage;
            }
        }
        return orvanta::cli::runInspect(inspect, stdout);
    }

    batch.delimiter = delimiter.front();
    if (batch.decimalComma && batch.delimiter == ',') {
        std::fprintf(stderr, "orvanta-cli: --decimal-comma needs another delimiter, such as --delimiter ';'\n");
        return kUsage;
    }
    std::FILE* in = input == "-" ? stdin : std::fopen(input.c_str(), "rb");
    if (in == nullptr) {
        std::fprintf(stderr, "orvanta-cli: cannot read %s: %s\n", input.c_str(), std::strerror(errno));
        return kUsage;
    }
#ifdef SIGXFSZ
    // Past a file-size limit a write then fails and is reported, instead of
    // the signal ending the program before it can clean up.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    int status = 0;
    if (output == "-") {
        StandardOutput out;
        status = orvanta::cli::runBatch(in, out, stderr, batch);
        if (!out.close()) {
            std::fprintf(stderr, "orvanta-cli: writing standard output failed\n");
            status = kUsage;
        }
    } else {
        orvanta::cli::ReplacingFile out(output);
        status = orvanta::cli::runBatch(in, out, stderr, batch);
        std::string error;
        if (status == kUsage) {
            out.discard();
        } else if (!out.commit(error)) {
            std::fprintf(stderr, "orvanta-cli: %s; %s is left as it was\n", error.c_str(), output.c_str());
            status = kUsage;
        }
    }
    if (in != stdin) {
        std::fclose(in);
    }
    return status;
}
