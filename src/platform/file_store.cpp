#include "platform/file_store.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>

namespace qs::platform {

namespace fs = std::filesystem;

std::filesystem::path HostPath(const std::string& path) {
#ifdef _WIN32
    return fs::path(path);
#else
    std::string host = path;
    for (char& c : host) {
        if (c == '\\') {
            c = '/';
        }
    }
    return fs::path(host);
#endif
}

FileStamp StampOf(const fs::path& path) {
    std::error_code error;
    FileStamp stamp;
    if (!fs::is_regular_file(path, error)) {
        return stamp;
    }
    stamp.size = fs::file_size(path, error);
    if (error) {
        return FileStamp{};
    }
    stamp.modified = fs::last_write_time(path, error);
    if (error) {
        return FileStamp{};
    }
    stamp.exists = true;
    return stamp;
}

std::optional<std::string> ReadWholeFile(const fs::path& path) {
    std::FILE* file = std::fopen(path.string().c_str(), "rb");
    if (file == nullptr) {
        return std::nullopt;
    }
    std::string bytes;
    char chunk[65536];
    std::size_t got = 0;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        bytes.append(chunk, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) {
        return std::nullopt;
    }
    return bytes;
}

namespace {

// Two processes may replace the same file at once; each needs a temporary name of its own.
std::string TemporarySuffix() {
    static std::atomic<unsigned> counter{0};
    // The clock as well: some platforms' random_device gives every process the same numbers.
    static const unsigned seed = std::random_device{}() ^
                                 static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    char text[40];
    std::snprintf(text, sizeof text, ".~%08x%04x", seed, counter.fetch_add(1) & 0xFFFFu);
    return text;
}

} // namespace

bool ReplaceFileContents(const fs::path& path, const std::string& bytes) {
    fs::path temporary = path;
    temporary += TemporarySuffix();
    std::FILE* file = std::fopen(temporary.string().c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    const bool closed = std::fclose(file) == 0;
    std::error_code error;
    if (written && closed) {
        fs::rename(temporary, path, error);
        if (!error) {
            return true;
        }
    }
    fs::remove(temporary, error);
    return false;
}

} // namespace qs::platform
