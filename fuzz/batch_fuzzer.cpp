// libFuzzer target: any text as a thread designation (its first line) and
// as a parts list. A designation read back from its own normal form gives
// the same limits, and every check given for it has its minimum not above
// its maximum; a batch, of limits or of checks, never crashes, writes valid
// CSV with the header's width on every row, writes nothing when it refuses
// the input, and never loses a row of a file that reads as CSV.
#include "BatchCommand.h"
#include "Inspection.h"
#include "ThreadLimits.h"

#include <csv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void broken(const char* property)
{
    std::fprintf(stderr, "property broken: %s\n", property);
    std::abort();
}

void checkDesignation(std::string_view text)
{
    const orvanta::threads::ThreadLookup lookup = orvanta::threads::lookUpThread(text);
    if (!lookup.limits) {
        if (lookup.error.empty()) {
            broken("a refusal without a message");
        }
        return;
    }
    const orvanta::threads::ThreadLookup again = orvanta::threads::lookUpThread(lookup.limits->designation);
    if (!again.limits || again.limits->designation != lookup.limits->designation) {
        broken("the normal form does not read back as itself");
    }
    for (const auto* side : {&lookup.limits->external, &lookup.limits->internal}) {
        if (*side && !((*side)->min < (*side)->max)) {
            broken("a side whose minimum is not below its maximum");
        }
        if (!*side) {
            continue;
        }
        orvanta::gauging::SideBands bands;
        bands.afterPlate = {(*side)->min, (*side)->max, orvanta::gauging::Stage::AfterPlate, {}};
        for (const orvanta::gauging::StageChecks& stage :
             orvanta::gauging::inspectSide(*lookup.limits, **side, bands, {})) {
            for (const orvanta::gauging::Check& check : stage.checks) {
                if (check.error.empty() && !(check.min <= check.max)) {
                    broken("a check whose minimum is above its maximum");
                }
            }
        }
    }
}

// Rows of a CSV text, and the width of each; false when it is not CSV.
struct RowCount {
    std::vector<std::size_t> widths;
    std::size_t fields = 0;
    std::size_t nonBlankFields = 0;
    std::size_t nonBlankRows = 0;
};

bool countRows(std::string_view text, RowCount& count)
{
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    const auto onField = [](void* data, std::size_t size, void* self) {
        auto& c = *static_cast<RowCount*>(self);
        ++c.fields;
        const std::string_view field(static_cast<const char*>(data), data == nullptr ? 0 : size);
        if (field.find_first_not_of(" \t") != std::string_view::npos) {
            ++c.nonBlankFields;
        }
    };
    const auto onRow = [](int, void* self) {
        auto& c = *static_cast<RowCount*>(self);
        c.widths.push_back(c.fields);
        c.nonBlankRows += c.nonBlankFields > 0 ? 1 : 0;
        c.fields = 0;
        c.nonBlankFields = 0;
    };
    const bool ok = csv_parse(&parser, text.data(), text.size(), onField, onRow, &count) == text.size() &&
                    csv_fini(&parser, onField, onRow, &count) == 0;
    csv_free(&parser);
    return ok;
}

class MemoryOutput : public orvanta::cli::OutputOpener {
public:
    ~MemoryOutput() override
    {
        if (file != nullptr) {
            std::fclose(file);
        }
        std::free(buffer);
    }
    std::FILE* open(std::string&) override { return file = open_memstream(&buffer, &size); }
    std::FILE* file = nullptr;
    char* buffer = nullptr;
    std::size_t size = 0;
};

void checkBatch(const std::string& text, bool inspect)
{
    std::string input = text.empty() ? std::string(" ") : text; // fmemopen wants a buffer
    std::FILE* in = fmemopen(input.data(), text.size() == 0 ? 0 : input.size(), "rb");
    std::FILE* err = std::fopen("/dev/null", "w");
    if (in == nullptr || err == nullptr) {
        return;
    }
    MemoryOutput out;
    const int status = orvanta::cli::runBatch(in, out, err, {.inspect = inspect});
    std::fclose(in);
    std::fclose(err);
    if (status < 0 || status > 2) {
        broken("an exit status other than 0, 1 or 2");
    }
    if (out.file != nullptr) {
        std::fflush(out.file);
    }
    const std::string_view written(out.buffer != nullptr ? out.buffer : "", out.size);
    if (status == 2) {
        if (!written.empty()) {
            broken("a refused input wrote output");
        }
        return;
    }
    RowCount outputRows;
    if (!countRows(written, outputRows)) {
        broken("the output is not valid CSV");
    }
    for (const std::size_t width : outputRows.widths) {
        if (width != outputRows.widths.front()) {
            broken("an output row is not as wide as the header");
        }
    }
    RowCount inputRows;
    std::string_view body(text);
    if (body.substr(0, 3) == "\xEF\xBB\xBF") {
        body.remove_prefix(3);
    }
    if (countRows(body, inputRows) && inputRows.nonBlankRows > 0 && outputRows.widths.size() < inputRows.nonBlankRows) {
        broken("a row was lost");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkDesignation(std::string_view(text).substr(0, text.find('\n')));

    for (const bool inspect : {false, true}) {
        checkBatch(text, inspect);
    }
    return 0;
}
