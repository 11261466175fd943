// The batch's input: a named file, or standard input for "-". A folder or a
// device given by name is refused with its own message before anything is
// read; standard input is taken as the caller connected it (a terminal, a
// pipe, /dev/null), except a folder.
#pragma once

#include <cstdio>
#include <string>

namespace orvanta::cli {

class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // False, with `error` saying why, when it cannot be read from.
    [[nodiscard]] bool open(const std::string& path, std::string& error);
    [[nodiscard]] std::FILE* file() const { return m_file; }
    // How messages name it: the path, or "standard input".
    [[nodiscard]] const std::string& name() const { return m_name; }

private:
    std::FILE* m_file = nullptr;
    std::string m_name;
};

} // namespace orvanta::cli
