// `orvanta-cli batch`: a parts list in, the same list with each side's
// limits out. Streams: one row in memory at a time, whatever the file's size.
#pragma once

#include <cstdio>
#include <string>

namespace orvanta::cli {

struct BatchOptions {
    char delimiter = ',';
    bool decimalComma = false;
    bool inspect = false;                     // rows of checks instead of limits
    std::string inputName = "standard input"; // how a read error names the input
};

// Opens the output only once the input has shown itself to be a parts list,
// so a refused input writes nothing.
class OutputOpener {
public:
    virtual ~OutputOpener() = default;
    // Null when it cannot be opened; `error` then says why.
    virtual std::FILE* open(std::string& error) = 0;
};

// Returns the exit status: 0 every row computed, 1 some row has an error,
// 2 the input is not a parts list (reported on `err`, nothing written) or
// could not be read to its end (reported on `err`; the rows written before
// are not the whole list, and the caller drops them where it can).
int runBatch(std::FILE* in, OutputOpener& output, std::FILE* err, const BatchOptions& options);

} // namespace orvanta::cli
