#include "editor_harness.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <stdexcept>

#include "platform/services.h"
#include "support/scoped_services.h"
#include "support/settings_memory_profile.h"
#include "settings/app_settings.h"
#include "settings/shared_state.h"
#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"

namespace qs::test {

void PrintTo(const SlideSpec& s, std::ostream* os) {
    *os << "{" << s.path << (s.center ? " C" : "") << (s.hStretch ? " H" : "") << (s.vStretch ? " V" : "") << "}";
}

namespace {

// A 24-bit bottom-up BMP of w x h pixels in one colour.
void WriteBitmap(const std::filesystem::path& file, int w, int h) {
    const int stride = (w * 3 + 3) / 4 * 4;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(stride * h);
    const std::uint32_t fileSize = 54 + imageSize;
    std::string bytes(fileSize, '\0');
    auto put16 = [&](std::size_t at, std::uint32_t v) {
        bytes[at] = static_cast<char>(v & 0xFF);
        bytes[at + 1] = static_cast<char>((v >> 8) & 0xFF);
    };
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        put16(at, v & 0xFFFF);
        put16(at + 2, v >> 16);
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(w));
    put32(22, static_cast<std::uint32_t>(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, imageSize);
    put32(38, 3780);
    put32(42, 3780);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::size_t at = 54 + static_cast<std::size_t>(y * stride + x * 3);
            bytes[at] = static_cast<char>(0x40);
            bytes[at + 1] = static_cast<char>(0x80);
            bytes[at + 2] = static_cast<char>(0xC0);
        }
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

struct EditorTest::Impl {
    ScopedServices os;
    // The settings file lives in memory: the editor never reads or writes it, and the
    // settings object must not touch a real file.
    MemoryProfileFile profile;
    tk::headless::HeadlessBackend* backend = nullptr;
    std::unique_ptr<tk::Form> host;
    std::unique_ptr<tk::Label> picNoLbl;
};

EditorTest::EditorTest() : impl_(std::make_unique<Impl>()) {
    impl_->os.UseProfile(&impl_->profile);
    ResetSharedState();
    auto backend = std::make_unique<tk::headless::HeadlessBackend>();
    impl_->backend = backend.get();
    tk::SetBackend(std::move(backend));

    // The settings dialog's label the editor rewrites when it closes.
    impl_->host = std::make_unique<tk::Form>("frmConfig");
    impl_->picNoLbl = std::make_unique<tk::Label>(*impl_->host, "picNoLbl", "", 360, 1080, 1455, 375);

    // A fresh settings object over an empty settings file: no slides, both editor
    // options off, black background, a delay of 10 seconds.
    ResetAppSettingsForTest();

    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string leaf = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : leaf)
        if (c == '/') c = '_';
    dir_ = std::filesystem::temp_directory_path() / "qs-editor-tests" / leaf;
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
}

EditorTest::~EditorTest() {
    // A form still open is dropped the way the settings dialog drops it after a modal Show.
    if (editor_ && editor_->IsLoaded()) {
        AppSettings().DisplayWarnings(true);
        editor_->Unload();
    }
    editor_.reset();
    ResetAppSettingsForTest();
    impl_->picNoLbl.reset();
    impl_->host.reset();
    // Nothing of these tests may reach a settings file when the process ends.
    DiscardSettings = true;
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
}

void EditorTest::TearDown() {
    EXPECT_EQ(UnansweredBoxes(), 0) << "a message box was asked that the test did not answer";
}

void EditorTest::GiveSlides(const std::vector<SlideSpec>& slides) {
    ClsSettings& settings = AppSettings();
    settings.PictureCount(0);
    for (std::size_t i = 0; i < slides.size(); ++i) {
        const std::int32_t index = static_cast<std::int32_t>(i + 1);
        settings.FileSpec(slides[i].path, index);
        settings.Center(index, slides[i].center);
        settings.HStretch(index, slides[i].hStretch);
        settings.VStretch(index, slides[i].vStretch);
    }
}

std::vector<SlideSpec> EditorTest::NumberedSlides(int n) const {
    std::vector<SlideSpec> slides;
    for (int k = 1; k <= n; ++k)
        slides.push_back({"C:\\Slides\\slide" + std::to_string(k) + ".bmp", k % 2 == 1, false, false});
    return slides;
}

std::vector<SlideSpec> EditorTest::SettingsSlides() const {
    ClsSettings& settings = AppSettings();
    std::vector<SlideSpec> slides;
    for (std::int32_t i = 1; i <= settings.PictureCount(); ++i)
        slides.push_back({settings.getFileSpec(i), settings.Center(i) != 0, settings.HStretch(i) != 0,
                          settings.VStretch(i) != 0});
    return slides;
}

ui::EditSlideShow& EditorTest::Open() {
    if (editor_ && editor_->IsLoaded()) throw std::logic_error("the editor is open already");
    editor_ = std::make_unique<ui::EditSlideShow>(impl_->picNoLbl.get());
    // Without a modal hook the headless Show returns at once with the dialog open, and
    // the test acts as the user from here.
    editor_->Show(true, impl_->host.get());
    return *editor_;
}

bool EditorTest::EditorOpen() const {
    return editor_ && editor_->IsLoaded();
}

void EditorTest::ClickOK() {
    ed().cmdOK.userClick();
}

void EditorTest::ClickCancel() {
    ed().cmdCancel.userClick();
}

std::vector<std::string> EditorTest::RowTexts() {
    std::vector<std::string> texts;
    for (int r = 0; r < ed().FileNameList.ListCount(); ++r) texts.push_back(ed().FileNameList.List(r));
    return texts;
}

std::vector<std::string> EditorTest::RowPaths() {
    std::vector<std::string> paths;
    for (int r = 0; r < ed().FileNameList.ListCount(); ++r)
        paths.push_back(ed().FullNames(ed().FileNameList.ItemData(r)));
    return paths;
}

std::vector<Options> EditorTest::RowOptions() {
    std::vector<Options> options;
    for (int r = 0; r < ed().FileNameList.ListCount(); ++r)
        options.push_back({ed().CheckList(0).Selected(r), ed().CheckList(1).Selected(r), ed().CheckList(2).Selected(r)});
    return options;
}

std::vector<std::string> EditorTest::PrintedOnPreview() {
    return impl_->backend->textsOn(ed().previewPicture);
}

void EditorTest::Answer(std::initializer_list<int> answers) {
    for (int a : answers) impl_->backend->answerMessageBox(a);
}

std::vector<AskedBox> EditorTest::Asked() const {
    std::vector<AskedBox> asked;
    for (const auto& box : impl_->backend->messageBoxes()) asked.push_back({box.prompt, box.flags, box.title});
    return asked;
}

int EditorTest::UnansweredBoxes() const {
    return impl_->backend->unansweredMessageBoxes();
}

void EditorTest::ChooseFile(const std::string& path) {
    impl_->backend->scriptOpenDialog(tk::headless::DialogScript::PickFile(path));
}

void EditorTest::CancelFileDialog() {
    impl_->backend->scriptOpenDialog(tk::headless::DialogScript::Cancelled());
}

void EditorTest::FailFileDialog(int error) {
    impl_->backend->scriptOpenDialog(tk::headless::DialogScript::Failed(error));
}

int EditorTest::FileDialogsShown() const {
    int shown = 0;
    for (const auto& d : impl_->backend->dialogs())
        if (d.type == tk::headless::DialogRecord::Type::Open) ++shown;
    return shown;
}

int EditorTest::PictureLoads() const {
    return static_cast<int>(impl_->backend->pictureLoads().size());
}

const std::vector<int>& EditorTest::PointerChanges() const {
    return impl_->backend->screenPointerChanges();
}

std::string EditorTest::MakePicture(const std::string& name, int w, int h) {
    const std::filesystem::path file = dir_ / name;
    WriteBitmap(file, w, h);
    return file.string();
}

std::string EditorTest::MissingPicture(const std::string& name) const {
    return (dir_ / name).string();
}

tk::Label& EditorTest::pictureCountLabel() {
    return *impl_->picNoLbl;
}

} // namespace qs::test
