// A fresh folder for one test's files, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string>

namespace qs::test {

class ScratchFolder {
public:
    // A random name: test programs run side by side.
    ScratchFolder()
        : path_(std::filesystem::temp_directory_path() / ("qs-test-" + std::to_string(std::random_device{}()))) {
        if (!std::filesystem::create_directory(path_)) throw std::runtime_error("no temporary folder could be made");
    }
    ~ScratchFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The file in the program's own form: the folder as the system names it, "\", the name.
    std::string File(const std::string& name) const { return path_.string() + "\\" + name; }
    template <class Bytes> std::string write(const std::string& name, const Bytes& bytes) const {
        std::ofstream(path_ / name, std::ios::binary | std::ios::trunc)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return (path_ / name).string();
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path_ / name, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    }

private:
    std::filesystem::path path_;
};

} // namespace qs::test
