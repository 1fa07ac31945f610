#include "settings/cls_settings.h"

#include <algorithm>
#include <exception>
#include <optional>

#include "platform/services.h"
#include "settings/settings_file_path.h"
#include "settings/settings_text.h"
#include "settings/shared_state.h"

namespace qs {

namespace {

constexpr char kSection[] = "INIT";
// GetParm's buffer: at most 254 characters of a value come back.
constexpr std::uint32_t kParmBufferSize = 255;
constexpr std::int32_t kDefaultDelay = 10;
constexpr std::int32_t kMinDelay = 2;
constexpr std::int32_t kMaxDelay = 1000;

std::string KeyName(const std::string& stem, std::int32_t index) {
    return stem + "_" + std::to_string(index);
}

std::optional<std::int32_t> LeadingWholeNumber(const std::string& text) {
    const std::optional<double> number = LeadingNumber(text);
    return number ? RoundToInt32(*number) : std::nullopt;
}

} // namespace

ClsSettings::ClsSettings() {
    Class_Initialize();
}

ClsSettings::~ClsSettings() {
    try {
        Class_Terminate();
    } catch (const std::exception&) {
        // Writes fail silently: the process is ending, and what failed on the way is lost.
    }
}

std::string ClsSettings::iniFile() const {
    return SettingsFilePath();
}

std::string ClsSettings::GetParm(const std::string& stem, std::int32_t index) const {
    platform::ProfileFile* profile = platform::services().profile;
    if (profile == nullptr) {
        return {};
    }
    char buffer[kParmBufferSize] = {};
    const std::uint32_t length =
        profile->GetPrivateProfileString(kSection, KeyName(stem, index), "", buffer, kParmBufferSize, iniFile());
    return length == 0 ? std::string() : std::string(buffer, std::min(length, kParmBufferSize - 1));
}

void ClsSettings::PutParm(const std::string& stem, const std::string& value, std::int32_t index) const {
    if (platform::ProfileFile* profile = platform::services().profile) {
        profile->WritePrivateProfileString(kSection, KeyName(stem, index), value, iniFile());
    }
}

void ClsSettings::ReadFlag(bool& field, const std::string& stem, std::int32_t index) const {
    if (const std::optional<bool> flag = BooleanText(GetParm(stem, index))) {
        field = *flag;
    }
}

void ClsSettings::WriteFlag(const std::string& stem, bool flag, std::int32_t index) const {
    PutParm(stem, std::string(FlagText(flag)), index);
}

void ClsSettings::Class_Initialize() {
    if (const std::optional<std::int32_t> color = LeadingWholeNumber(GetParm("BGColor"))) {
        bgColor_ = *color;
    }
    ReadFlag(RandomDisplay_, "RandomDisplay");
    if (const std::optional<std::int32_t> delay = LeadingWholeNumber(GetParm("Delay"))) {
        Delay_ = *delay;
    }
    if (Delay_ < kMinDelay || Delay_ > kMaxDelay) {
        Delay_ = kDefaultDelay;
    }
    ReadFlag(PreviewFlag_, "PreviewFlag");
    ReadFlag(DisplayWarnings_, "DisplayWarnings");

    const std::optional<double> count = WholeNumber(GetParm("PictureCount"));
    const std::optional<std::int32_t> whole = count ? RoundToInt32(*count) : std::nullopt;
    if (whole && *whole <= kMaxPictureCount) {
        PictureCount_ = *whole;
    }
    if (PictureCount_ > 0) {
        Slides_.assign(static_cast<std::size_t>(PictureCount_), SlideEntry{});
    }
    for (std::int32_t i = 1; i <= PictureCount_; ++i) {
        SlideEntry& entry = Slides_[static_cast<std::size_t>(i - 1)];
        entry.FileSpec = GetParm("FileSpec", i);
        ReadFlag(entry.Center, "Center", i);
        ReadFlag(entry.HStretch, "HStretch", i);
        ReadFlag(entry.VStretch, "VStretch", i);
    }
}

void ClsSettings::Class_Terminate() {
    if (DiscardSettings) {
        return;
    }
    PutParm("BGColor", std::to_string(bgColor_));
    WriteFlag("RandomDisplay", RandomDisplay_);
    PutParm("Delay", std::to_string(Delay_));
    WriteFlag("PreviewFlag", PreviewFlag_);
    WriteFlag("DisplayWarnings", DisplayWarnings_);
    const auto held = static_cast<std::int32_t>(Slides_.size());
    for (std::int32_t i = 1; i <= held; ++i) {
        const SlideEntry& entry = Slides_[static_cast<std::size_t>(i - 1)];
        PutParm("FileSpec", entry.FileSpec, i);
        WriteFlag("Center", entry.Center, i);
        WriteFlag("HStretch", entry.HStretch, i);
        WriteFlag("VStretch", entry.VStretch, i);
    }
    // Last, so that the count never covers an entry not yet written.
    PutParm("PictureCount", std::to_string(held));
}

SlideEntry* ClsSettings::Entry(std::int32_t index) {
    if (index < 1 || index > static_cast<std::int32_t>(Slides_.size())) {
        return nullptr;
    }
    return &Slides_[static_cast<std::size_t>(index - 1)];
}

const SlideEntry* ClsSettings::Entry(std::int32_t index) const {
    return const_cast<ClsSettings*>(this)->Entry(index);
}

bool ClsSettings::Flag(std::int32_t index, bool SlideEntry::*flag) const {
    const SlideEntry* entry = Entry(index);
    return entry != nullptr && entry->*flag;
}

void ClsSettings::SetFlag(std::int32_t index, bool SlideEntry::*flag, bool value) {
    if (SlideEntry* entry = Entry(index)) {
        entry->*flag = value;
    }
}

bool ClsSettings::hStretch(std::int32_t index) const { return Flag(index, &SlideEntry::HStretch); }
void ClsSettings::setHStretch(std::int32_t index, bool flag) { SetFlag(index, &SlideEntry::HStretch, flag); }
bool ClsSettings::vStretch(std::int32_t index) const { return Flag(index, &SlideEntry::VStretch); }
void ClsSettings::setVStretch(std::int32_t index, bool flag) { SetFlag(index, &SlideEntry::VStretch, flag); }
bool ClsSettings::center(std::int32_t index) const { return Flag(index, &SlideEntry::Center); }
void ClsSettings::setCenter(std::int32_t index, bool flag) { SetFlag(index, &SlideEntry::Center, flag); }

std::string ClsSettings::fileSpec(std::int32_t index) const {
    const SlideEntry* entry = Entry(index);
    return entry != nullptr ? entry->FileSpec : std::string();
}

void ClsSettings::setFileSpec(std::int32_t index, const std::string& path) {
    if (index < 1 || index > kMaxPictureCount) {
        return;
    }
    if (index > PictureCount_) {
        setPictureCount(index);
    }
    if (SlideEntry* entry = Entry(index)) {
        entry->FileSpec = path;
    }
}

void ClsSettings::setPictureCount(std::int32_t count) {
    if (count < 1) {
        PictureCount_ = count;
        Slides_.clear();
        return;
    }
    PictureCount_ = std::min(count, kMaxPictureCount);
    Slides_.resize(static_cast<std::size_t>(PictureCount_));
}

} // namespace qs
