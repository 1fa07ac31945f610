// A password.cpl for end-to-end tests of the Windows 95 family's password check. The
// saver loads it from its own folder, as it would load the system's. Its answer is
// whatever password-answer.txt beside it says ("1": the password was right), so a test
// can refuse and then accept; each call is logged in password-calls.txt so a test can
// tell that the check ran, and how often.
#include <windows.h>

#include <cstdint>
#include <string>

namespace {
HMODULE ThisModule() {
    HMODULE module = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCSTR>(&ThisModule), &module);
    return module;
}

std::string BesideThisModule(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(ThisModule(), path, MAX_PATH);
    std::string folder(path);
    const auto slash = folder.find_last_of("\\/");
    folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
    return folder + name;
}

bool AnswerIsYes() {
    HANDLE file = CreateFileA(BesideThisModule("password-answer.txt").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char first = 0;
    DWORD read = 0;
    ReadFile(file, &first, 1, &read, nullptr);
    CloseHandle(file);
    return read == 1 && first == '1';
}

void LogCall(HWND owner) {
    HANDLE file = CreateFileA(BesideThisModule("password-calls.txt").c_str(), FILE_APPEND_DATA, FILE_SHARE_READ,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string line = "owner " + std::to_string(reinterpret_cast<std::uintptr_t>(owner)) + "\n";
    DWORD written = 0;
    WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(file);
}
} // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND owner) {
    LogCall(owner);
    return AnswerIsYes() ? TRUE : FALSE;
}
