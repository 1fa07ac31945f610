#include "settings/cls_settings.h"

#include <algorithm>
#include <exception>
#include <optional>
#include <utility>

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

std::optional<std::int32_t> CountNumber(const std::string& text) {
    const std::optional<double> count = WholeNumber(text);
    return count ? RoundToInt32(*count) : std::nullopt;
}

// Where each key's text sits in ReadTexts_: the order Class_Initialize reads them in.
enum ReadSlot : std::size_t { kBgColorSlot, kRandomSlot, kDelaySlot, kPreviewSlot, kWarningsSlot, kCountSlot };
enum EntrySlot : std::size_t { kFileSpecSlot, kCenterSlot, kHStretchSlot, kVStretchSlot, kSlotsPerEntry };

std::size_t EntrySlotOf(std::int32_t index, EntrySlot key) {
    return kCountSlot + 1 + static_cast<std::size_t>(index - 1) * kSlotsPerEntry + key;
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
    return profile->GetPrivateProfileString(kSection, KeyName(stem, index), "", kParmBufferSize, iniFile());
}

std::string ClsSettings::ReadParm(const std::string& stem, std::int32_t index) {
    return ReadTexts_.emplace_back(GetParm(stem, index));
}

void ClsSettings::ReadFlag(bool& field, const std::string& stem, std::int32_t index) {
    if (const std::optional<bool> flag = BooleanText(ReadParm(stem, index))) {
        field = *flag;
    }
}

void ClsSettings::WriteParm(std::vector<ParmWrite>& writes, std::size_t slot, const std::string& stem,
                            const std::string& value, std::int32_t index) const {
    // A key never read (an entry added since) is always written.
    if (slot >= ReadTexts_.size() || ReadTexts_[slot] != value) {
        writes.push_back({slot, KeyName(stem, index), value});
    }
}

void ClsSettings::WriteFlag(std::vector<ParmWrite>& writes, std::size_t slot, const std::string& stem, bool flag,
                            std::int32_t index) const {
    WriteParm(writes, slot, stem, std::string(FlagText(flag)), index);
}

void ClsSettings::Class_Initialize() {
    if (const std::optional<std::int32_t> color = LeadingWholeNumber(ReadParm("BGColor"))) {
        bgColor_ = *color;
    }
    ReadFlag(RandomDisplay_, "RandomDisplay");
    if (const std::optional<std::int32_t> delay = LeadingWholeNumber(ReadParm("Delay"))) {
        Delay_ = *delay;
    }
    if (Delay_ < kMinDelay || Delay_ > kMaxDelay) {
        Delay_ = kDefaultDelay;
    }
    ReadFlag(PreviewFlag_, "PreviewFlag");
    ReadFlag(DisplayWarnings_, "DisplayWarnings");

    if (const std::optional<std::int32_t> count = CountNumber(ReadParm("PictureCount"))) {
        PictureCount_ = std::min(*count, kMaxPictureCount);
    }
    if (PictureCount_ > 0) {
        readEntries();
    }
}

// All entries' keys in one request, in the order of EntrySlotOf.
void ClsSettings::readEntries() {
    Slides_.assign(static_cast<std::size_t>(PictureCount_), SlideEntry{});
    static constexpr const char* kStems[kSlotsPerEntry] = {"FileSpec", "Center", "HStretch", "VStretch"};
    std::vector<std::string> keys;
    keys.reserve(Slides_.size() * kSlotsPerEntry);
    for (std::int32_t i = 1; i <= PictureCount_; ++i) {
        for (const char* stem : kStems) keys.push_back(KeyName(stem, i));
    }
    std::vector<std::string> texts;
    if (platform::ProfileFile* profile = platform::services().profile) {
        texts = profile->ReadKeys(kSection, keys, kParmBufferSize, iniFile());
    }
    texts.resize(keys.size());
    ReadTexts_.reserve(ReadTexts_.size() + texts.size());
    for (std::size_t e = 0; e < Slides_.size(); ++e) {
        SlideEntry& entry = Slides_[e];
        const std::string* text = &texts[e * kSlotsPerEntry];
        entry.FileSpec = text[kFileSpecSlot];
        for (auto [slot, flag] : {std::pair{kCenterSlot, &SlideEntry::Center}, std::pair{kHStretchSlot, &SlideEntry::HStretch},
                                  std::pair{kVStretchSlot, &SlideEntry::VStretch}}) {
            if (const std::optional<bool> on = BooleanText(text[slot])) entry.*flag = *on;
        }
    }
    for (std::string& text : texts) ReadTexts_.push_back(std::move(text));
}

void ClsSettings::Class_Terminate() {
    if (DiscardSettings) {
        return;
    }
    platform::ProfileFile* profile = platform::services().profile;
    if (profile == nullptr) {
        return;
    }
    std::vector<ParmWrite> writes;
    WriteParm(writes, kBgColorSlot, "BGColor", std::to_string(bgColor_));
    WriteFlag(writes, kRandomSlot, "RandomDisplay", RandomDisplay_);
    WriteParm(writes, kDelaySlot, "Delay", std::to_string(Delay_));
    WriteFlag(writes, kPreviewSlot, "PreviewFlag", PreviewFlag_);
    WriteFlag(writes, kWarningsSlot, "DisplayWarnings", DisplayWarnings_);
    const auto held = static_cast<std::int32_t>(Slides_.size());
    for (std::int32_t i = 1; i <= held; ++i) {
        const SlideEntry& entry = Slides_[static_cast<std::size_t>(i - 1)];
        WriteParm(writes, EntrySlotOf(i, kFileSpecSlot), "FileSpec", entry.FileSpec, i);
        WriteFlag(writes, EntrySlotOf(i, kCenterSlot), "Center", entry.Center, i);
        WriteFlag(writes, EntrySlotOf(i, kHStretchSlot), "HStretch", entry.HStretch, i);
        WriteFlag(writes, EntrySlotOf(i, kVStretchSlot), "VStretch", entry.VStretch, i);
    }
    // A count above the limit, its first entries still all held, stays as read: the
    // entries beyond are the user's too.
    const std::string& readCount = ReadTexts_[kCountSlot];
    const std::optional<std::int32_t> stored = CountNumber(readCount);
    const bool keepStored = held == kMaxPictureCount && stored && *stored > kMaxPictureCount;
    // Last, so that the count never covers an entry not yet written.
    WriteParm(writes, kCountSlot, "PictureCount", keepStored ? readCount : std::to_string(held));

    // The profile functions write a file they create in the system's code page, where a
    // character outside it would come back as "?": a value that does not fit turns the file
    // into their Unicode form first, which they keep. Otherwise the file keeps its form, so
    // code-page text stays byte for byte what it was.
    // A process whose user changed nothing (a show, a preview) writes only its corrections,
    // and not to a key another process wrote since it read it (the settings dialog's OK while
    // a preview ran): whichever process ends last, the user's confirmed settings stay.
    std::vector<std::string> readKeys;
    for (const ParmWrite& write : writes) {
        if (!Changed_ && write.slot < ReadTexts_.size()) readKeys.push_back(write.key);
    }
    const std::vector<std::string> now =
        readKeys.empty() ? std::vector<std::string>() : profile->ReadKeys(kSection, readKeys, kParmBufferSize, iniFile());
    std::vector<std::pair<std::string, std::string>> kept;
    std::size_t asked = 0;
    for (ParmWrite& write : writes) {
        if (Changed_ || write.slot >= ReadTexts_.size() || now[asked++] == ReadTexts_[write.slot]) {
            kept.emplace_back(std::move(write.key), std::move(write.value));
        }
    }
    const bool fits = std::all_of(kept.begin(), kept.end(),
                                  [profile](const auto& write) { return profile->FitsCodePage(write.second); });
    if (!fits) {
        profile->UseUnicodeForm(iniFile());
    }
    if (!kept.empty()) {
        profile->WritePrivateProfileStrings(kSection, kept, iniFile());
    }
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
    Changed_ = true;
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
    Changed_ = true;
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
    Changed_ = true;
    if (count < 1) {
        PictureCount_ = count;
        Slides_.clear();
        return;
    }
    PictureCount_ = std::min(count, kMaxPictureCount);
    Slides_.resize(static_cast<std::size_t>(PictureCount_));
}

} // namespace qs
