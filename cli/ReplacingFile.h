// An output file that is either written whole or left as it was: the rows go
// to a temporary file beside it, renamed over it only when the run is kept.
// So `-o` may name the input itself, and a refused input, a failed write or
// a full disk leave an existing file byte for byte. After
// removeTemporaryOnSignal(), so does a SIGINT, SIGTERM or SIGHUP.
#pragma once

#include "BatchCommand.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace orvanta::cli {

class ReplacingFile : public OutputOpener {
public:
    explicit ReplacingFile(std::filesystem::path path);
    ~ReplacingFile() override;
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    // Creates the temporary file; a link named as the output is followed,
    // so the file it points to is the one replaced.
    std::FILE* open(std::string& error) override;
    // Writes everything out and puts the file in place with the old file's
    // permissions. False, with `error`, when any of it failed; the old file
    // then stays and the temporary file is gone.
    bool commit(std::string& error);
    // Drops what was written.
    void discard();

private:
    std::filesystem::path m_path;
    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    std::FILE* m_file = nullptr;
};

} // namespace orvanta::cli
