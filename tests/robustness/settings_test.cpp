// 1,000 mutated settings files, each through "/S" ended by a key and "/C" closed with Cancel and with OK,
// in this process, composed as the entry point composes them. No run may crash or last 10 s, the file read
// afresh holds the list the run showed, and Cancel leaves the file as it was.
#include <gtest/gtest.h>

#include <algorithm>

#include "corpus_support.h"
#include "e2e_driver.h"
#include "settings/settings_file.h"
#include "support/scratch_folder.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "ui/config/settings_dialog.h"
#include "ui/saver/saver_window.h"
#include "win_toolkit_support.h"

namespace qs::test::robustness {
namespace {

using namespace qs::test::win;

const std::string kGood =
    "[INIT]\r\nBGColor_0=255\r\nRandomDisplay_0=True\r\nDelay_0=5\r\nPreviewFlag_0=False\r\nDisplayWarnings_0=True\r\n"
    "PictureCount_0=3\r\nFileSpec_1=C:\\pics\\a.jpg\r\nCenter_1=True\r\nHStretch_1=False\r\nVStretch_1=True\r\n"
    "FileSpec_2=\r\nCenter_2=1\r\nFileSpec_3= \"quoted.gif\" \r\nVStretch_3=yes\r\n[AboutDlg]\r\nWarning1=notice\r\n";

std::string Wide(const std::string& text, bool big) {
    std::string wide = big ? "\xFE\xFF" : "\xFF\xFE";
    for (char c : text) wide += big ? std::string{'\0', c} : std::string{c, '\0'};
    return wide;
}

std::string ManyKeys(int slides, const char* flag) {
    std::string text = "[INIT]\r\nPictureCount_0=" + std::to_string(slides) + "\r\n";
    for (int i = 1; i <= slides; ++i)
        for (const char* stem : {"FileSpec_", "Center_", "HStretch_", "VStretch_"})
            text += stem + std::to_string(i) + "=" + (stem[0] == 'F' ? "C:\\p\\" + std::to_string(i) : flag) + "\r\n";
    return text;
}

std::string Mutated(Random& random) {
    const std::string values[] = {"", "0", "-1", "1e309", "2147483648", "-2147483649", "-7", "1D3", " \"7\" ",
                                  "'x", std::string(300, 'p'), std::string("Tr\0ue", 5), "\xC3\xA9\xFF"};
    std::string text = kGood;
    for (int round = 0, rounds = 1 + random() % 3; round < rounds; ++round) {
        const std::size_t at = random() % (text.size() + 1);
        switch (random() % 8) {
        case 0: FlipBits(text, random, 1 + random() % 8); break;
        case 1: text.resize(at); break;
        case 2: text.insert(at, 1 + random() % 4, '\0'); break;
        case 3: for (int n = random() % 64; n >= 0; --n) text.insert(text.begin() + at, char(random())); break;
        case 4: text.insert(at, text.substr(random() % (text.size() + 1), random() % 200)); break;
        case 5:
            if (const std::size_t eq = text.find('=', at); eq != std::string::npos)
                text.replace(eq + 1, text.find_first_of("\r\n", eq) - eq - 1, values[random() % std::size(values)]);
            break;
        case 6:
            for (std::size_t p = 0; (p = text.find("\r\n", p)) != std::string::npos;)
                text.replace(p, 2, 1, at % 2 ? '\n' : '\r');
            break;
        default: text.insert(0, at % 2 ? "\xEF\xBB\xBF" : "\xFF\xFE");
        }
    }
    return text;
}

using Slides = std::pair<std::int32_t, std::vector<Slide>>;
Slides ShownSlides(const Settings& settings) {
    return {std::max(settings.pictureCount(), 0), settings.slides}; // a negative count is an empty list too
}

// Ticks the window's timers, then presses a key on it or clicks one of its buttons, until it has gone.
void RunWindow(tk::Form& form, const char* button) {
    form.show();
    for (tk::Component* component : form.components())
        if (auto* timer = dynamic_cast<tk::Timer*>(component)) timer->userTick();
    HWND target = button ? e2e::FindChild(H(form), "Button", button) : H(form);
    PostMessageA(target, button ? BM_CLICK : WM_KEYDOWN, button ? 0 : VK_SPACE, 0);
    EXPECT_TRUE(PumpUntil([&] { return !form.isLoaded(); }, 10000));
}

TEST(SettingsCorpus, EachFileGoesThroughTheShowAndTheDialogsCancelAndOkWithoutLosingASlide) {
    const ScratchFolder folder;
    platform::ProfileFile& profile = *platform::services().profile;
    const auto run = [&](std::size_t index, const std::string& text, const char* mode, const char* button) {
        const std::string name = "case" + std::to_string(index) + mode[1] + (button ? button[1] : 'K');
        SCOPED_TRACE(name);
        folder.write(name + ".INI", text);
        Deadline deadline(name, 10000);
        SettingsFile file(profile, folder.File(name + ".INI"));
        const Settings settings = file.load();
        if (mode[1] == 'S') {
            {
                ui::SaverWindow saver(settings);
                RunWindow(saver, nullptr);
            }
            EXPECT_EQ(file.save(settings, SaveRule::CorrectionsOnly).error, 0u);
        } else {
            ui::SettingsDialog dialog(file, settings);
            RunWindow(dialog, button);
        }
        EXPECT_EQ(ShownSlides(SettingsFile(profile, file.path()).load()), ShownSlides(settings)) << "read afresh";
        EXPECT_TRUE(!button || button[1] != 'C' || folder.read(name + ".INI") == text) << "Cancel writes nothing";
    };
    std::vector<std::string> corpus = {
        Wide(kGood, false), Wide(kGood, true), ManyKeys(25000, "1"),
        kGood + std::string(1 << 20, 'k') + "\r\n",
        "[INIT]\r\nFileSpec_1=" + std::string(1 << 20, 'a') + "\r\nPictureCount_0=1\r\n",
        "[" + std::string(1 << 20, 'I') + "]\r\n" + kGood, kGood + kGood,
        kGood + "[INIT]\r\nPictureCount_0=9\r\n[init]\r\nDelay_0=1\r\n",
        "[INIT]\r\nPictureCount_0=150000\r\nFileSpec_2=C:\\b.bmp\r\n"};
    Random random(15);
    for (std::size_t i = 0; i < 1000 && !HasFatalFailure(); ++i) {
        std::string garbage(random() % 4096, '\0');
        for (char& c : garbage) c = char(random());
        if (i >= corpus.size()) corpus.push_back(i % 50 ? Mutated(random) : garbage);
        run(i, corpus[i], "/S", nullptr);
        run(i, corpus[i], "/C", "&Cancel");
        run(i, corpus[i], "/C", "&OK");
    }
}

} // namespace
} // namespace qs::test::robustness
