#include "settings_temp_dir.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace qs::test {

namespace fs = std::filesystem;

SettingsTempDir::SettingsTempDir() {
    // Test programs run side by side: a random name, made by whoever creates it first.
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const fs::path candidate = fs::temp_directory_path() / ("qs-test-" + std::to_string(random()));
        std::error_code error;
        if (fs::create_directory(candidate, error)) path_ = candidate;
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder could be made");
}

SettingsTempDir::~SettingsTempDir() {
    std::error_code error;
    fs::remove_all(path_, error);
}

void SettingsTempDir::WriteBytes(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::string SettingsTempDir::ReadBytes(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool SettingsTempDir::Exists(const std::string& name) const {
    return fs::exists(path_ / name);
}

} // namespace qs::test
