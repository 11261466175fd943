#include "ReplacingFile.h"

#include "RemovedOnSignal.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <random>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#endif

namespace orvanta::cli {

namespace fs = std::filesystem;

namespace {

std::string describe(const fs::path& path, const char* what, int error)
{
    return std::string(what) + " " + path.string() + ": " + std::strerror(error);
}

// Reaches the disk before the rename makes it the file: a crash then leaves
// either the old file or the whole new one.
bool syncToDisk(std::FILE* file)
{
#if __has_include(<unistd.h>)
    return ::fsync(::fileno(file)) == 0 || errno == EINVAL;
#else
    (void)file;
    return true;
#endif
}

} // namespace

ReplacingFile::ReplacingFile(fs::path path)
    : m_path(std::move(path))
{
}

ReplacingFile::~ReplacingFile()
{
    discard();
}

std::FILE* ReplacingFile::open(std::string& error)
{
    std::error_code ignored;
    const fs::path resolved = fs::canonical(m_path, ignored);
    m_target = resolved.empty() ? m_path : resolved;
    const fs::path folder = m_target.has_parent_path() ? m_target.parent_path() : fs::path(".");
    std::random_device seed;
    std::mt19937_64 random(
        seed() ^ static_cast<unsigned long long>(std::chrono::steady_clock::now().time_since_epoch().count()));
    for (int attempt = 0; attempt < 16 && m_file == nullptr; ++attempt) {
        m_temporary = folder / ("." + m_target.filename().string() + "." + std::to_string(random() % 1000000000) +
                                ".orvanta-tmp");
        const SignalsHeld held;
        errno = 0;
        m_file = std::fopen(m_temporary.string().c_str(), "wbx");
        if (m_file != nullptr && !setTemporaryFile(m_temporary.c_str())) {
            std::fclose(m_file);
            m_file = nullptr;
            std::remove(m_temporary.c_str());
            errno = ENAMETOOLONG;
        }
        if (m_file == nullptr && errno != EEXIST) {
            break;
        }
    }
    if (m_file == nullptr) {
        error = describe(m_target, "cannot write beside", errno);
        m_temporary.clear();
    }
    return m_file;
}

bool ReplacingFile::commit(std::string& error)
{
    if (m_file == nullptr) {
        return true; // nothing was written, nothing replaced
    }
    errno = 0;
    const bool written = std::fflush(m_file) == 0 && std::ferror(m_file) == 0 && syncToDisk(m_file);
    const int writeError = errno;
    const bool closed = std::fclose(m_file) == 0;
    m_file = nullptr;
    if (!written || !closed) {
        error = describe(m_target, "writing", writeError != 0 ? writeError : EIO);
        discard();
        return false;
    }
    std::error_code failure;
    if (const fs::file_status old = fs::status(m_target, failure); fs::exists(old)) {
        fs::permissions(m_temporary, old.permissions(), failure);
    }
    failure.clear();
    {
        const SignalsHeld held;
        fs::rename(m_temporary, m_target, failure);
        if (!failure) {
            forgetTemporaryFile();
        }
    }
    if (failure) {
        error = describe(m_target, "cannot replace", failure.value());
        discard();
        return false;
    }
    m_temporary.clear();
    return true;
}

void ReplacingFile::discard()
{
    if (m_file != nullptr) {
        std::fclose(m_file);
        m_file = nullptr;
    }
    if (!m_temporary.empty()) {
        const SignalsHeld held;
        std::error_code ignored;
        fs::remove(m_temporary, ignored);
        forgetTemporaryFile();
        m_temporary.clear();
    }
}

} // namespace orvanta::cli
