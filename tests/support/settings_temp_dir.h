// A fresh folder for one test's files, removed with everything in it afterwards.
// File(name) gives a file in it in the program's own form: the folder as the system names
// it, then "\" and the name, as the program joins paths.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace qs::test {

class SettingsTempDir {
public:
    SettingsTempDir() {
        // Test programs run side by side: a random name, made by whoever creates it first.
        std::random_device random;
        std::error_code error;
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const auto candidate = std::filesystem::temp_directory_path() / ("qs-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(candidate, error)) path_ = candidate;
        }
        if (path_.empty()) throw std::runtime_error("no temporary folder could be made");
    }
    ~SettingsTempDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    SettingsTempDir(const SettingsTempDir&) = delete;
    SettingsTempDir& operator=(const SettingsTempDir&) = delete;

    const std::filesystem::path& HostPath() const { return path_; }
    std::string File(const std::string& name) const { return path_.string() + "\\" + name; }

    // Raw access to a file in the folder, bypassing every backend.
    void WriteBytes(const std::string& name, const std::string& bytes) const {
        std::ofstream(path_ / name, std::ios::binary | std::ios::trunc) << bytes;
    }
    std::string ReadBytes(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }
    bool Exists(const std::string& name) const { return std::filesystem::exists(path_ / name); }

private:
    std::filesystem::path path_;
};

} // namespace qs::test
