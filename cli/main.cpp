// orvanta-cli: the calculator's answers for one thread or a whole parts list.
#include "BatchCommand.h"
#include "LimitsCommand.h"
#include "ReplacingFile.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

using orvanta::cli::BatchOptions;
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

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Suggested pre-plate pitch diameter limits of 60-degree threads (ASME B1.1, ISO 965-1 / "
                 "ASME B1.13M).",
                 "orvanta-cli"};
    app.set_version_flag("--version", std::string("orvanta-cli ") + ORVANTA_VERSION);
    app.require_subcommand(1);

    LimitsRequest limits;
    std::string plating;
    std::string afterPlate = "class";
    std::string format = "text";
    CLI::App* limitsCommand =
        app.add_subcommand("limits", "After-plate and pre-plate pitch diameter limits of one thread designation.");
    limitsCommand->add_option("DESIGNATION", limits.designation, "e.g. \"1/2-13 UNC-2A\", \"M10x1.5-6H/6g\"")
        ->required();
    limitsCommand->add_option("--plating", plating,
                              "plating thickness MIN:MAX, or T for both, in the designation's unit or with "
                              "in, mm, um or \xC2\xB5m after each number");
    limitsCommand
        ->add_option("--after-plate", afterPlate,
                     "class: the class limits apply after plating (default); allowance: plating may use "
                     "the allowance, GO at basic size")
        ->check(CLI::IsMember({"class", "allowance"}));
    limitsCommand->add_option("--format", format, "text (default), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}));

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

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error) == 0 ? 0 : kUsage;
    }

    if (limitsCommand->parsed()) {
        if (!plating.empty()) {
            std::string error;
            limits.plating = orvanta::cli::parsePlating(plating, error);
            if (!limits.plating) {
                std::fprintf(stderr, "orvanta-cli: %s; --plating takes MIN:MAX or T, numbers with a point\n",
                             error.c_str());
                return kUsage;
            }
        }
        limits.rule = afterPlate == "allowance" ? orvanta::threads::AfterPlate::UseAllowance
                                                : orvanta::threads::AfterPlate::ClassLimits;
        limits.format =
            format == "csv" ? OutputFormat::Csv : (format == "json" ? OutputFormat::Json : OutputFormat::Text);
        return orvanta::cli::runLimits(limits, stdout);
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
