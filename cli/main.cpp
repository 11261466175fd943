// orvanta-cli: the calculator's answers for one thread or a whole parts list.
#include "BatchCommand.h"
#include "LimitsCommand.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>

namespace {

using orvanta::cli::BatchOptions;
using orvanta::cli::LimitsRequest;
using orvanta::cli::OutputFormat;

constexpr int kUsage = 2;

// Standard output, or a file created only when the batch writes.
class FileOutput : public orvanta::cli::OutputOpener {
public:
    explicit FileOutput(std::string path)
        : m_path(std::move(path))
    {
    }
    ~FileOutput() override
    {
        if (m_file != nullptr && m_file != stdout) {
            std::fclose(m_file);
        }
    }
    std::FILE* open(std::string& error) override
    {
        m_file = m_path.empty() || m_path == "-" ? stdout : std::fopen(m_path.c_str(), "wb");
        if (m_file == nullptr) {
            error = "cannot write " + m_path + ": " + std::strerror(errno);
        }
        return m_file;
    }
    // False when the file could not be written to the end.
    bool close()
    {
        if (m_file == nullptr) {
            return true;
        }
        const bool ok = std::fflush(m_file) == 0 && std::ferror(m_file) == 0;
        if (m_file != stdout) {
            std::fclose(m_file);
        }
        m_file = nullptr;
        return ok;
    }

private:
    std::string m_path;
    std::FILE* m_file = nullptr;
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
                              "plating thickness MIN:MAX, or T for both, in the designation's unit");
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
            limits.plating = orvanta::cli::parsePlating(plating);
            if (!limits.plating) {
                std::fprintf(stderr, "orvanta-cli: --plating takes MIN:MAX or T, numbers with a point: %s\n",
                             plating.c_str());
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
    FileOutput out(output);
    int status = orvanta::cli::runBatch(in, out, stderr, batch);
    if (in != stdin) {
        std::fclose(in);
    }
    if (!out.close()) {
        std::fprintf(stderr, "orvanta-cli: writing %s failed\n", output == "-" ? "standard output" : output.c_str());
        status = kUsage;
    }
    return status;
}
