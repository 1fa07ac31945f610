// A password.cpl for the end-to-end tests of the Windows 95 family's password check; the
// saver loads it from its own folder, as it would load the system's. It answers as
// password-answer.txt beside it says ("1": right), so a test can refuse and then accept,
// and adds a line to password-calls.txt at each call, so a test can count the checks.
#include <windows.h>

#include <fstream>
#include <string>

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {
std::string BesideThisModule(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}
} // namespace

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND) {
    std::ofstream(BesideThisModule("password-calls.txt"), std::ios::app) << "call\n";
    return std::ifstream(BesideThisModule("password-answer.txt")).get() == '1';
}
