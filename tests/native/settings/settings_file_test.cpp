// The settings file's rules against the in-memory profile.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "settings/settings_file.h"
#include "settings/settings_file_path.h"
#include "support/scoped_services.h"
#include "support/settings_memory_profile.h"

namespace qs::test {
namespace {

constexpr const char* kIniFile = "C:\\SAVERS\\QuilloSlides.INI";
// A file as a show with every option off writes it.
constexpr const char* kEveryOptionOff = "[INIT]\r\nBGColor_0=0\r\nRandomDisplay_0=False\r\nDelay_0=10\r\n"
                                        "PreviewFlag_0=False\r\nDisplayWarnings_0=False\r\nPictureCount_0=0\r\n";

class SettingsFileTest : public testing::Test {
protected:
    std::string FileText() const { return profile.Text(kIniFile); }
    Settings Load(const std::string& text) {
        profile.SetText(kIniFile, text);
        return file.load();
    }
    // The file as `edit` leaves the settings read from `text`, saved as the dialog's OK saves them.
    template <class Edit> std::string Saved(const std::string& text, Edit edit) {
        Settings settings = Load(text);
        edit(settings);
        EXPECT_EQ(file.save(settings, SaveRule::Confirmed).error, 0u);
        return FileText();
    }

    MemoryProfileFile profile;
    SettingsFile file{profile, kIniFile};
};

TEST_F(SettingsFileTest, DelayAndColourTakeTheNumberAtTheStartAndDelayKeepsTo2To1000) {
    const std::tuple<const char*, std::int32_t, std::int32_t> cases[] = { // text (nullptr: missing), delay, colour
        {nullptr, 10, 0}, {"1", 10, 1}, {"2", 2, 2}, {"1000", 1000, 1000}, {"1001", 10, 1001},
        {"2.5", 2, 2}, {"3.5", 4, 4}, // halves go to the even neighbour
        {"abc", 10, 0}, {"-5", 10, -5}, {" 30 seconds", 30, 30}, {"1e2x", 100, 100},
        {"0x1F", 10, 0}, {"- 5", 10, 0}, {"inf", 10, 0}, {"1e400", 10, 0},
        {"-2147483648.5", 10, -2147483647 - 1}, {"2147483647.5", 10, 0}}; // beyond 32 bits
    for (const auto& [text, delay, color] : cases) {
        const std::string v = text ? text : "";
        const Settings settings = Load(text ? "[INIT]\r\nDelay_0=" + v + "\r\nBGColor_0=" + v + "\r\n" : "[INIT]\r\n");
        EXPECT_EQ(settings.delaySeconds, delay) << v;
        EXPECT_EQ(settings.backgroundColor, color) << v;
    }
}

TEST_F(SettingsFileTest, EveryFlagReadsWordsAndNumbers) {
    for (const auto& [text, flag] : {std::pair{"True", true}, {" tRuE ", true}, {"-1", true}, {"2.5", true},
                                     {"FALSE", false}, {"-0", false}, {"yes", false}, {"1 true", false}}) {
        std::string ini = "[INIT]\r\nPictureCount_0=1\r\n";
        for (const char* key : {"RandomDisplay_0", "PreviewFlag_0", "DisplayWarnings_0", "Center_1", "HStretch_1",
                                "VStretch_1"})
            ini += std::string(key) + "=" + text + "\r\n";
        const Settings s = Load(ini);
        for (bool got : {s.randomOrder, s.showPreview, s.hideWarnings, s.slides[0].center, s.slides[0].hStretch,
                         s.slides[0].vStretch})
            EXPECT_EQ(got, flag) << text;
    }
}

TEST_F(SettingsFileTest, TheCountMustBeAWholeNumberWithinTheListsLimit) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"3", 3}, {"-3", -3}, // stays as read, and no slide is read
        {"abc", 0}, {"2.5", 2}, {"3.5", 4}, {" 2 ", 2}, {"1E1", 10}, {"2e", 0},
        {"3 pictures", 0}, {"99999999999", 0}, {"2000000000", kMaxSlides}}; // the first slides
    for (const auto& [text, count] : cases) {
        const std::string ini = std::string("[INIT]\r\nPictureCount_0=") + text + "\r\nDelay_0=30\r\nFileSpec_1=p1\r\n";
        const Settings settings = Load(ini);
        EXPECT_EQ(settings.pictureCount(), count) << text;
        EXPECT_EQ(settings.slides.size(), static_cast<std::size_t>(std::max(count, 0))) << text;
        EXPECT_EQ(settings.slides.empty() ? "" : settings.slides[0].path, count > 0 ? "p1" : "") << text;
        EXPECT_EQ(FileText(), ini) << "reading writes nothing";
        EXPECT_EQ(settings.delaySeconds, 30) << "the other settings are read all the same: " << text;
    }
}

TEST_F(SettingsFileTest, ASlideWithoutAPathStaysAndLongValuesAreCutTo254Characters) {
    const std::string longPath = "C:\\" + std::string(300, 'p') + ".jpg";
    const Settings s = Load("[INIT]\r\nPictureCount_0=2\r\nHStretch_1=True\r\nFileSpec_2=" + longPath + "\r\n");
    EXPECT_EQ(s.slides, (std::vector<Slide>{{"", false, true, false}, {longPath.substr(0, 254)}}));
}

TEST_F(SettingsFileTest, ASaveWritesEverythingAsHeldWithTheCountLast) {
    const std::string text = Saved("", [](Settings& s) { // no file yet: its lines come in the order written
        s.backgroundColor = -2147483647 - 1;
        s.randomOrder = true;
        s.delaySeconds = 5000; // kept as set; only a reading keeps to 2..1000
        s.replaceSlides({{"C:\\a.jpg", false, false, true}, {"D:\\Holiday 2024\\b.gif", true}});
    });
    EXPECT_EQ(text, "[INIT]\r\nBGColor_0=-2147483648\r\nRandomDisplay_0=True\r\nDelay_0=5000\r\n"
                    "PreviewFlag_0=False\r\nDisplayWarnings_0=False\r\nFileSpec_1=C:\\a.jpg\r\nCenter_1=False\r\n"
                    "HStretch_1=False\r\nVStretch_1=True\r\nFileSpec_2=D:\\Holiday 2024\\b.gif\r\n"
                    "Center_2=True\r\nHStretch_2=False\r\nVStretch_2=False\r\nPictureCount_0=2\r\n");
}

TEST_F(SettingsFileTest, ASaveWritesOnlyTheKeysThatDifferFromWhatWasRead) {
    const std::string ini = "[INIT]\r\nBGColor_0=0\r\nRandomDisplay_0=False\r\nPreviewFlag_0=False\r\nDelay_0=30\r\n"
                            "DisplayWarnings_0=False\r\nPictureCount_0=1\r\nFileSpec_1=a\r\nCenter_1=True\r\n"
                            "HStretch_1=False\r\nVStretch_1=False\r\n";
    EXPECT_EQ(Saved(ini, [](Settings&) {}), ini) << "nothing differs";
    EXPECT_EQ(profile.writes, std::vector<std::string>{});
    Saved(ini, [](Settings& s) { s.slides[0] = {"b", true, true}; });
    EXPECT_EQ(profile.writes, (std::vector<std::string>{"INIT/FileSpec_1", "INIT/HStretch_1"}));
    // A full list of missing slides: guards against edits of the text growing with the square of the list.
    const std::string full = Saved("[INIT]\r\nPictureCount_0=150000\r\n", [](Settings& s) {
        EXPECT_EQ(s.slides.size(), static_cast<std::size_t>(kMaxSlides));
        s.slides.back().path = "C:\\z.jpg";
    });
    EXPECT_NE(full.find("PictureCount_0=150000\r\n"), std::string::npos) << "the rest stay listed";
    const std::string shortened = Saved(full, [](Settings& s) {
        EXPECT_EQ(s.slides.back().path, "C:\\z.jpg");
        s.slides.resize(3);
    });
    EXPECT_NE(shortened.find("PictureCount_0=3\r\n"), std::string::npos) << "a shortened list writes its count";
}

TEST_F(SettingsFileTest, AShowOptionsKeyIsWrittenOnlyOnceItsOptionLeavesTheDefaultOrTheFileHoldsIt) {
    const std::string plain = kEveryOptionOff;
    EXPECT_EQ(Saved(plain, [](Settings&) {}), plain) << "all off: the file as without options";
    const std::string on = Saved(plain, [](Settings& s) { s.options.shuffle = s.options.steeringKeys = true; });
    EXPECT_EQ(on, plain + "Shuffle_0=True\r\nSteeringKeys_0=True\r\n");
    const Settings read = Load(on + "FolderEntries_0=-1\r\nAllFormats_0=nonsense\r\n");
    EXPECT_EQ(read.options, (ShowOptions{.folderEntries = true, .shuffle = true, .steeringKeys = true}));
    Saved(on, [&](Settings& s) {
        s.options.shuffle = false;
        profile.writes.clear();
    });
    EXPECT_EQ(profile.writes, std::vector<std::string>{"INIT/Shuffle_0"}) << "a key the file holds follows its option";
}

TEST_F(SettingsFileTest, TheFadeLengthIsSecondsFromAHalfTo3WrittenOnlyWhenItsNumberChanges) {
    const std::pair<std::string, std::int32_t> lengths[] = {
        {"", 1000}, {"0.5", 500}, {"3", 3000}, {"1.25 s", 1250}, {"0.4", 1000}, {"3.5", 1000}, {"abc", 1000}};
    for (const auto& [text, ms] : lengths)
        EXPECT_EQ(Load("[INIT]\r\nFadeSeconds_0=" + text + "\r\n").options.fadeMs, ms) << text;
    const std::string plain = kEveryOptionOff;
    EXPECT_EQ(Saved(plain, [](Settings& s) { s.options.fade = true; s.options.fadeMs = 1500; }),
              plain + "Fade_0=True\r\nFadeSeconds_0=1.5\r\n");
    EXPECT_EQ(Saved(plain + "FadeSeconds_0=2.50\r\n", [](Settings&) {}), plain + "FadeSeconds_0=2.50\r\n");
    EXPECT_EQ(Saved(plain + "FadeSeconds_0=9\r\n", [](Settings&) {}), plain + "FadeSeconds_0=1\r\n") << "corrected";
}

TEST_F(SettingsFileTest, SlidesBeyondTheCountStayInTheFileAndANewListCountsItsSlides) {
    const std::string ini = "[INIT]\r\nPictureCount_0=-3\r\nFileSpec_1=p1\r\nFileSpec_2=p2\r\nVStretch_2=True\r\n";
    EXPECT_EQ(Saved(ini, [](Settings& s) { s.replaceSlides({{"new"}}); }),
              "[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=new\r\nFileSpec_2=p2\r\nVStretch_2=True\r\n"
              "BGColor_0=0\r\nRandomDisplay_0=False\r\nDelay_0=10\r\nPreviewFlag_0=False\r\n"
              "DisplayWarnings_0=False\r\nCenter_1=False\r\nHStretch_1=False\r\nVStretch_1=False\r\n");
    Settings settings = Load(ini);
    settings.replaceSlides(std::vector<Slide>(kMaxSlides + 1));
    EXPECT_EQ(settings.pictureCount(), kMaxSlides) << "an applied list keeps to the limit";
    settings.replaceSlides({});
    EXPECT_EQ(settings.pictureCount(), 0) << "an applied empty list counts none";
}

// A show or a preview, whose user confirmed nothing, writes its corrections but leaves what another process
// (the settings dialog's OK) wrote since; the dialog's OK writes every key that differs.
TEST_F(SettingsFileTest, OnlyAConfirmedSaveWritesOverWhatAnotherProcessWroteSince) {
    for (const SaveRule rule : {SaveRule::CorrectionsOnly, SaveRule::Confirmed}) {
        const Settings settings = Load("[INIT]\r\nDelay_0=1\r\nRandomDisplay_0=maybe\r\nPictureCount_0=0\r\n");
        profile.SetText(kIniFile, "[INIT]\r\nDelay_0=30\r\nRandomDisplay_0=maybe\r\nPictureCount_0=0\r\n");
        EXPECT_EQ(file.save(settings, rule).error, 0u);
        const bool confirmed = rule == SaveRule::Confirmed;
        EXPECT_EQ(FileText(), std::string("[INIT]\r\nDelay_0=") + (confirmed ? "10" : "30") +
                                  "\r\nRandomDisplay_0=False\r\nPictureCount_0=0\r\nBGColor_0=0\r\n"
                                  "PreviewFlag_0=False\r\nDisplayWarnings_0=False\r\n");
    }
}

TEST(SettingsFilePath, IsNamedAfterTheExecutable) {
    ScopedServices os;
    const std::pair<const char*, const char*> cases[] = {
        {"D:\\SAVERS\\SLIDES.SCR", "D:\\SAVERS\\SLIDES.INI"}, {"C:\\a.b\\my.saver.scr", "C:\\a.b\\my.saver.INI"},
        {"D:\\SLIDES.SCR", "D:\\\\SLIDES.INI"}, // a root keeps its separator
        {"/QuilloSlides.scr", "/\\QuilloSlides.INI"},
        {"C:\\dir\\NOEXT", "C:\\dir\\NOEXT.INI"}, {"/home/u/bin/QuilloSlides", "/home/u/bin\\QuilloSlides.INI"},
        {"QuilloSlides.scr", "\\QuilloSlides.INI"}};
    for (const auto& [executable, iniFile] : cases) {
        os.process.executablePath = executable;
        EXPECT_EQ(SettingsFilePath(), iniFile) << executable;
    }
}

// A save that fails says so, with the file's path, and leaves the file as it was; one whose values need the
// Unicode form asks for it.
TEST_F(SettingsFileTest, ASaveReportsItsFailureAndAsksForTheUnicodeFormWhereAValueNeedsIt) {
    const std::string greek = "C:\\\xCE\xA6\xCF\x89\\\xE5\x86\x99.jpg";
    for (const auto& [path, error] : {std::pair{std::string("C:\\a.jpg"), platform::kErrorDiskFull},
                                      {greek, platform::kErrorFileHeldOpen}, {greek, 0u}}) {
        SCOPED_TRACE(path + " " + std::to_string(error));
        profile.unicodeForm.clear();
        profile.writeError = error;
        Settings settings = Load("[INIT]\r\nPictureCount_0=1\r\nFileSpec_1=C:\\old.jpg\r\n");
        settings.replaceSlides({{path}});
        const SaveResult saved = file.save(settings, SaveRule::Confirmed);
        EXPECT_EQ(saved.error, error);
        EXPECT_EQ(saved.path, kIniFile);
        EXPECT_EQ(profile.unicodeForm.count(kIniFile), error == 0 && path == greek ? 1u : 0u);
        profile.writeError = 0;
        EXPECT_EQ(file.load().slides.at(0).path, error ? "C:\\old.jpg" : path);
    }
}

} // namespace
} // namespace qs::test
