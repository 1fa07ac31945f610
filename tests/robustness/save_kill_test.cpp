// A process saving a 10,000-slide list, ended at 200 random moments: the settings file always reads back as the
// complete old list or the complete new one, and what an ended save left beside it goes with the next save.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "e2e_driver.h"
#include "platform/win32/profile_win32.h"
#include "settings/settings_file.h"
#include "support/scratch_folder.h"

namespace qs::test::robustness {
namespace {

using e2e::Clock;
using e2e::Ms;

constexpr int kSlides = 10000;

// The writer's list, as the file holds it once saved.
std::vector<Slide> WrittenList(const std::string& folder) {
    std::vector<Slide> slides;
    for (int i = 1; i <= kSlides; ++i)
        slides.push_back({folder + "\\" + std::to_string(i) + ".jpg", i % 2 == 0, i % 3 == 0, true});
    return slides;
}

std::vector<Slide> ReadBack(const std::string& file) {
    const auto profile = platform::MakeWin32ProfileFile();
    return SettingsFile(*profile, file).load().slides;
}

// Starts the writer; the process handle, or null.
HANDLE StartWriter(const std::string& file, const std::string& folder) {
    // Built with append: GCC 12 warns falsely about "literal" + std::string here.
    std::string command("\"");
    command.append(e2e::WindowsPath(QS_SETTINGS_WRITER_PATH)).append("\" \"").append(file).append("\" ");
    command.append(std::to_string(kSlides)).append(" ").append(folder);
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &started))
        return nullptr;
    CloseHandle(started.hThread);
    return started.hProcess;
}

int LeftBeside(const std::filesystem::path& folder) {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) count += entry.path().extension() == ".saving";
    return count;
}

TEST(SaveKills, EndedAtRandomMomentsTheFileHoldsTheWholeOldListOrTheWholeNewOne) {
    ScratchFolder dir;
    const std::string file = dir.File("QuilloSlides.INI");
    HANDLE first = StartWriter(file, "C:\\old");
    ASSERT_NE(first, nullptr);
    ASSERT_EQ(WaitForSingleObject(first, 60000), WAIT_OBJECT_0);
    CloseHandle(first);
    const std::string oldText = dir.read("QuilloSlides.INI");
    const std::vector<Slide> oldList = WrittenList("C:\\old"), newList = WrittenList("C:\\new");
    ASSERT_EQ(ReadBack(file), oldList);

    // How long a whole save takes here, start to end; the moments are spread a little beyond it.
    const Clock::time_point started = Clock::now();
    HANDLE timed = StartWriter(file, "C:\\new");
    ASSERT_EQ(WaitForSingleObject(timed, 60000), WAIT_OBJECT_0);
    CloseHandle(timed);
    const double wholeMs = e2e::MsSince(started);
    ASSERT_EQ(ReadBack(file), newList);

    std::mt19937 random(20261206);
    std::uniform_real_distribution<double> moment(0.0, wholeMs * 1.2);
    int olds = 0, news = 0;
    for (int run = 0; run < 200; ++run) {
        dir.write("QuilloSlides.INI", oldText);
        HANDLE writer = StartWriter(file, "C:\\new");
        ASSERT_NE(writer, nullptr) << "run " << run << ": error " << GetLastError();
        // The moment is the point of the test: the writer is ended there, whatever it is doing.
        Sleep(static_cast<DWORD>(moment(random)));
        TerminateProcess(writer, 1);
        WaitForSingleObject(writer, 10000);
        CloseHandle(writer);
        const std::vector<Slide> read = ReadBack(file);
        const bool isOld = read == oldList, isNew = read == newList;
        ASSERT_TRUE(isOld || isNew) << "run " << run << ": " << read.size() << " slides, neither list whole";
        (isOld ? olds : news) += 1;
    }
    // Both ends were reached: some runs ended before the file was replaced, some after.
    EXPECT_GT(olds, 0);
    EXPECT_GT(news, 0);
    // A save that changes the file clears what the ended ones left beside it.
    HANDLE last = StartWriter(file, "C:\\last");
    ASSERT_EQ(WaitForSingleObject(last, 60000), WAIT_OBJECT_0);
    CloseHandle(last);
    EXPECT_EQ(LeftBeside(dir.path()), 0);
}

} // namespace
} // namespace qs::test::robustness
