// What the benchmarks read about a running saver from outside it. Wine gives no other
// process's CPU times or memory through the Windows API, so those come from Linux's /proc,
// which Wine shows on drive Z:; its handle and GDI object counts come from the tables the
// system keeps (where GetProcessHandleCount and GetGuiResources report nothing, as Wine's do).
#pragma once

#include <windows.h>
#include <winternl.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace qs::bench {

// The middle of the figures of several runs; -1 for none.
inline double Median(std::vector<double> v) {
    if (v.empty()) return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

inline std::string ReadLinuxFile(const std::string& path) {
    std::ifstream in("Z:" + path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Field `n` (counted from 1, as proc(5) does) of a /proc stat line.
inline std::string StatField(const std::string& stat, int n) {
    const auto close = stat.rfind(')');
    if (close == std::string::npos || close + 2 > stat.size()) return "";
    std::istringstream fields(stat.substr(close + 2));
    std::string field;
    for (int i = 3; i <= n && fields >> field;) ++i;
    return field;
}

// Whether the Linux process runs in this Wine prefix: other Wine sessions may run savers too.
inline bool InThisPrefix(const std::string& procDir) {
    char prefix[1024] = {};
    if (!GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix)) return true;  // not under Wine
    const std::string variables = ReadLinuxFile(procDir + "/environ");
    const std::string wanted = std::string("WINEPREFIX=") + prefix + '\0';
    return ('\0' + variables).find('\0' + wanted) != std::string::npos;
}

// The Linux process id of the saver started from the run folder; 0 when none runs.
inline int SaverUnixPid(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA("Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return 0;
    int pid = 0;
    long long newest = -1;
    do {
        const std::string dir = "/proc/" + std::string(entry.cFileName);
        if (std::atoi(entry.cFileName) <= 0 ||
            ReadLinuxFile(dir + "/cmdline").find(folder + "\\QuilloSlides.scr") == std::string::npos ||
            !InThisPrefix(dir))
            continue;
        const std::string stat = ReadLinuxFile(dir + "/stat");
        const long long started = std::atoll(StatField(stat, 22).c_str());
        if (StatField(stat, 3) != "Z" && started > newest) newest = started, pid = std::atoi(entry.cFileName);
    } while (FindNextFileA(find, &entry));
    FindClose(find);
    return pid;
}

// User plus system time of the process's first thread, which Wine runs as its main thread
// (the windows' thread), in milliseconds; Linux counts it in hundredths of a second.
inline double CpuMsIn(const std::string& statPath) {
    const std::string stat = ReadLinuxFile(statPath);
    const std::string user = StatField(stat, 14), system = StatField(stat, 15);
    return user.empty() || system.empty() ? -1 : (std::atoll(user.c_str()) + std::atoll(system.c_str())) * 10.0;
}
inline double WindowThreadCpuMs(int pid) {
    return CpuMsIn("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/stat");
}

// User plus system time of the whole process, all its threads, in milliseconds.
inline double ProcessCpuMs(int pid) { return CpuMsIn("/proc/" + std::to_string(pid) + "/stat"); }

// A memory figure of the process's status (VmHWM, the peak resident size; VmRSS, the
// resident size now), in megabytes.
inline double StatusMb(int pid, const std::string& field = "VmHWM") {
    const std::string status = ReadLinuxFile("/proc/" + std::to_string(pid) + "/status");
    const auto at = status.find(field + ":");
    return at == std::string::npos ? -1 : std::atof(status.c_str() + at + field.size() + 1) / 1024.0;
}

// Kernel handles the process holds, from the system's handle table.
inline long HandleCount(HANDLE process) {
    if (DWORD count = 0; GetProcessHandleCount(process, &count) && count > 0) return static_cast<long>(count);
    struct Entry {
        ULONG ownerPid;
        BYTE type, flags;
        USHORT value;
        PVOID object;
        ULONG access;
    };
    using Query = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll"), "NtQuerySystemInformation")));
    std::vector<BYTE> table(1 << 20);
    ULONG length = 0;
    constexpr ULONG kSystemHandleInformation = 16;
    NTSTATUS status;
    while ((status = query(kSystemHandleInformation, table.data(), static_cast<ULONG>(table.size()), &length)) ==
           static_cast<NTSTATUS>(0xC0000004L))  // the table did not fit
        table.resize(table.size() * 2);
    if (status != 0) return -1;
    const ULONG entries = *reinterpret_cast<const ULONG*>(table.data());
    const auto* entry = reinterpret_cast<const Entry*>(table.data() + sizeof(ULONG_PTR));
    const DWORD pid = GetProcessId(process);
    long count = 0;
    for (ULONG i = 0; i < entries; ++i) count += entry[i].ownerPid == pid;
    return count;
}

// GDI objects the process holds: the entries in use of the GDI handle table its process
// environment block points to (Wine keeps one table per process).
inline long GdiObjectCount(HANDLE process) {
    if (const DWORD count = GetGuiResources(process, GR_GDIOBJECTS); count > 0) return static_cast<long>(count);
    struct Entry {
        UINT64 object;
        ULONG owner;
        USHORT unique;
        UCHAR type, flags;
        UINT64 user;
    };
    using Query = NTSTATUS(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("ntdll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    PVOID table = nullptr;
    constexpr std::size_t kGdiTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;
    if (query(process, 0 /* ProcessBasicInformation */, &basic, sizeof basic, &length) != 0 ||
        !ReadProcessMemory(process, reinterpret_cast<BYTE*>(basic.PebBaseAddress) + kGdiTableInPeb, &table,
                           sizeof table, nullptr) ||
        !table)
        return -1;
    std::vector<Entry> entries(65536);
    SIZE_T read = 0;
    ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(Entry), &read);
    long count = 0;
    for (std::size_t i = 0; i < read / sizeof(Entry); ++i) count += entries[i].type != 0;
    return count;
}

}  // namespace qs::bench
