// A fresh folder for one test's files, removed with everything in it afterwards.
// Path() gives it in the program's own form: on Windows with "\", elsewhere as the
// system names it; File(name) appends "\" and the name, as the program joins paths.
#pragma once

#include <filesystem>
#include <string>

namespace qs::test {

class SettingsTempDir {
public:
    SettingsTempDir();
    ~SettingsTempDir();
    SettingsTempDir(const SettingsTempDir&) = delete;
    SettingsTempDir& operator=(const SettingsTempDir&) = delete;

    const std::filesystem::path& HostPath() const { return path_; }
    std::string Path() const { return path_.string(); }
    std::string File(const std::string& name) const { return Path() + "\\" + name; }

    // Raw access to a file in the folder, bypassing every backend.
    void WriteBytes(const std::string& name, const std::string& bytes) const;
    std::string ReadBytes(const std::string& name) const;
    bool Exists(const std::string& name) const;

private:
    std::filesystem::path path_;
};

} // namespace qs::test
