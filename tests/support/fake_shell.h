// FakeShell: the shell calls, recorded.
//
// ShellOpen records (owner, target) and returns openResult (42: opened; a value of
// 32 or less is the shell's failure). FileExists answers from existingFiles by exact
// path and records each question. StartProgram records the path and returns
// startResult.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::test {

class FakeShell final : public platform::Shell {
public:
    struct OpenCall {
        platform::WindowHandle owner = 0;
        std::string target;
    };

    std::intptr_t ShellOpen(platform::WindowHandle owner, const std::string& target) override {
        openCalls.push_back({owner, target});
        return openResult;
    }

    bool FileExists(const std::string& path) override {
        existsQueries.push_back(path);
        return existingFiles.count(path) != 0;
    }

    bool StartProgram(const std::string& path) override {
        startedPrograms.push_back(path);
        return startResult;
    }

    std::vector<OpenCall> openCalls;
    std::intptr_t openResult = 42;
    std::set<std::string> existingFiles;
    std::vector<std::string> existsQueries;
    std::vector<std::string> startedPrograms;
    bool startResult = true;
};

} // namespace qs::test
