#include "InputFile.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/stat.h>

namespace orvanta::cli {

InputFile::~InputFile()
{
    if (m_file != nullptr && m_file != stdin) {
        std::fclose(m_file);
    }
}

bool InputFile::open(const std::string& path, std::string& error)
{
    const bool standardInput = path == "-";
    m_name = standardInput ? std::string("standard input") : path;
    std::FILE* file = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = "cannot read " + m_name + ": " + std::strerror(errno);
        return false;
    }
    // What was opened, not what the name pointed to a moment before.
    std::string refused;
    struct stat status {};
    if (::fstat(::fileno(file), &status) != 0) {
        refused = "cannot read " + m_name + ": " + std::strerror(errno);
    } else if (S_ISDIR(status.st_mode)) {
        refused = m_name + " is a folder, not a parts list";
    } else if (!standardInput && (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode))) {
        // Read to its end, /dev/zero or a disk would never give a parts list.
        refused = m_name + " is a device, not a parts list: name a file, or give - for standard input";
    }
    if (!refused.empty()) {
        error = std::move(refused);
        if (!standardInput) {
            std::fclose(file);
        }
        return false;
    }
    m_file = file;
    return true;
}

} // namespace orvanta::cli
