// The password.cpl the saver loads from its own folder: it answers as password-answer.txt beside it
// says ("1": right), and adds a character to password-calls.txt at each call, so a test can count them.
#include <windows.h>

#include <fstream>
#include <string>

extern "C" IMAGE_DOS_HEADER __ImageBase;

static std::string BesideThisModule(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(reinterpret_cast<HMODULE>(&__ImageBase), path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of("\\/") + 1) + name;
}

extern "C" __declspec(dllexport) BOOL WINAPI VerifyScreenSavePwd(HWND) {
    std::ofstream(BesideThisModule("password-calls.txt"), std::ios::app) << '.';
    return std::ifstream(BesideThisModule("password-answer.txt")).get() == '1';
}
