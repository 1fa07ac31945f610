#include "settings/settings_file.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <utility>

#include "settings/settings_text.h"

namespace qs {

namespace {

constexpr char kSection[] = "INIT";
// The reading buffer: at most 254 characters of a value come back.
constexpr std::uint32_t kValueBufferSize = 255;
constexpr std::int32_t kMinDelay = 2;
constexpr std::int32_t kMaxDelay = 1000;

std::string KeyName(const std::string& stem, std::size_t index) {
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

void ReadFlag(bool& field, const std::string& text) {
    if (const std::optional<bool> flag = BooleanText(text)) field = *flag;
}

// The show options' keys, read after the list's and written before its count. Each reads as
// its default where the file holds no valid text.
struct OptionKey {
    const char* stem;
    bool ShowOptions::* field;
};
constexpr OptionKey kOptionKeys[] = {
    {"FolderEntries", &ShowOptions::folderEntries},
    {"Shuffle", &ShowOptions::shuffle},
    {"AllFormats", &ShowOptions::allFormats},
    {"SteeringKeys", &ShowOptions::steeringKeys},
    {"EveryMonitor", &ShowOptions::everyMonitor},
    {"CaptionName", &ShowOptions::captionName},
    {"CaptionDate", &ShowOptions::captionDate},
    {"Fade", &ShowOptions::fade},
    {"PanZoom", &ShowOptions::panZoom},
};
constexpr std::size_t kOptionKeyCount = sizeof kOptionKeys / sizeof kOptionKeys[0];
// The fade's length, the one option key that holds a number (seconds); its text is read
// after the flags' and kept after theirs.
constexpr char kFadeSecondsStem[] = "FadeSeconds";

// The fade's length a FadeSeconds text gives: nothing for no number, or one out of range.
std::optional<std::int32_t> FadeMsIn(const std::string& text) {
    const std::optional<double> seconds = LeadingNumber(text);
    const std::optional<std::int32_t> ms = seconds ? RoundToInt32(*seconds * 1000) : std::nullopt;
    if (!ms || *ms < kMinFadeMs || *ms > kMaxFadeMs) return std::nullopt;
    return ms;
}

// Where each key's text sits in readTexts_: the order load() reads them in. The show
// options' texts are kept apart, in optionTexts_, in the order of kOptionKeys, then FadeSeconds's.
enum OptionSlot : std::size_t { kBgColorSlot, kRandomSlot, kDelaySlot, kPreviewSlot, kWarningsSlot, kCountSlot };
enum SlideSlot : std::size_t { kFileSpecSlot, kCenterSlot, kHStretchSlot, kVStretchSlot, kSlotsPerSlide };
constexpr const char* kSlideStems[kSlotsPerSlide] = {"FileSpec", "Center", "HStretch", "VStretch"};

// Slide `number` counts from 1.
std::size_t SlotOf(std::size_t number, SlideSlot key) {
    return kCountSlot + 1 + (number - 1) * kSlotsPerSlide + key;
}

// A key to write: its name, its new text and its text as read (none: a key never read,
// such as a slide added since).
struct KeyWrite {
    std::string key;
    std::string value;
    std::optional<std::string> read;
};

// The keys whose text differs from what was read, in the order they are written: the
// options, each slide's four keys, the count last (so that it never covers a slide not yet
// written). A key never read (a slide added since) always differs.
std::vector<KeyWrite> DifferingKeys(const Settings& settings, const std::vector<std::string>& read,
                                    const std::vector<std::string>& optionsRead) {
    std::vector<KeyWrite> writes;
    const auto write = [&](std::size_t slot, std::string key, std::string value) {
        if (slot >= read.size()) {
            writes.push_back({std::move(key), std::move(value), std::nullopt});
        } else if (read[slot] != value) {
            writes.push_back({std::move(key), std::move(value), read[slot]});
        }
    };
    const auto flag = [](bool on) { return std::string(FlagText(on)); };
    write(kBgColorSlot, KeyName("BGColor", 0), std::to_string(settings.backgroundColor));
    write(kRandomSlot, KeyName("RandomDisplay", 0), flag(settings.randomOrder));
    write(kDelaySlot, KeyName("Delay", 0), std::to_string(settings.delaySeconds));
    write(kPreviewSlot, KeyName("PreviewFlag", 0), flag(settings.showPreview));
    write(kWarningsSlot, KeyName("DisplayWarnings", 0), flag(settings.hideWarnings));
    const ShowOptions defaults;
    for (std::size_t o = 0; o < kOptionKeyCount; ++o) {
        const bool on = settings.options.*kOptionKeys[o].field;
        const std::string was = o < optionsRead.size() ? optionsRead[o] : std::string();
        // An absent key stays absent while its option keeps the default.
        if (was.empty() && on == defaults.*kOptionKeys[o].field) continue;
        if (was != flag(on)) writes.push_back({KeyName(kOptionKeys[o].stem, 0), flag(on), was});
    }
    // The length is compared as a number: "1.50" stays while it gives the length, a text
    // that gives none is corrected.
    const std::string fadeWas = kOptionKeyCount < optionsRead.size() ? optionsRead[kOptionKeyCount] : std::string();
    const std::int32_t fadeMs = settings.options.fadeMs;
    if (fadeWas.empty() ? fadeMs != defaults.fadeMs : FadeMsIn(fadeWas) != fadeMs)
        writes.push_back({KeyName(kFadeSecondsStem, 0), SecondsText(fadeMs), fadeWas});
    const std::size_t held = settings.slides.size();
    for (std::size_t number = 1; number <= held; ++number) {
        const Slide& slide = settings.slides[number - 1];
        const std::string values[kSlotsPerSlide] = {slide.path, flag(slide.center), flag(slide.hStretch),
                                                    flag(slide.vStretch)};
        for (std::size_t key = 0; key < kSlotsPerSlide; ++key) {
            write(SlotOf(number, static_cast<SlideSlot>(key)), KeyName(kSlideStems[key], number), values[key]);
        }
    }
    // A count above the limit, its first slides still all held, stays as read: the slides
    // beyond are the user's too.
    const std::string readCount = kCountSlot < read.size() ? read[kCountSlot] : std::string();
    const std::optional<std::int32_t> stored = CountNumber(readCount);
    const bool keepStored = held == static_cast<std::size_t>(kMaxSlides) && stored && *stored > kMaxSlides;
    write(kCountSlot, KeyName("PictureCount", 0), keepStored ? readCount : std::to_string(held));
    return writes;
}

} // namespace

std::string SaveResult::reason() const {
    switch (error) {
    case platform::kErrorFileReadOnly:
        return "The file is read-only. Clear its read-only attribute and try again.";
    case platform::kErrorFolderNotWritable:
        return "Its folder may not be written to: the program is installed where only an administrator may "
               "write. Install it in a folder of your own, or ask an administrator.";
    case platform::kErrorDiskFull:
        return "The disk is full. Make room on it and try again.";
    case platform::kErrorFileHeldOpen:
        return "Another program holds the file open. Close that program and try again.";
    default:
        return std::system_category().message(static_cast<int>(error));
    }
}

SettingsFile::SettingsFile(platform::ProfileFile& profile, std::string path)
    : profile_(profile), path_(std::move(path)) {}

std::string SettingsFile::readOption(const std::string& stem) {
    const std::string key = KeyName(stem, 0);
    return readTexts_.emplace_back(profile_.GetPrivateProfileString(kSection, key, "", kValueBufferSize, path_));
}

Settings SettingsFile::load() {
    readTexts_.clear();
    Settings settings;
    if (const std::optional<std::int32_t> color = LeadingWholeNumber(readOption("BGColor"))) {
        settings.backgroundColor = *color;
    }
    ReadFlag(settings.randomOrder, readOption("RandomDisplay"));
    if (const std::optional<std::int32_t> delay = LeadingWholeNumber(readOption("Delay"))) {
        settings.delaySeconds = *delay;
    }
    if (settings.delaySeconds < kMinDelay || settings.delaySeconds > kMaxDelay) settings.delaySeconds = kDefaultDelay;
    ReadFlag(settings.showPreview, readOption("PreviewFlag"));
    ReadFlag(settings.hideWarnings, readOption("DisplayWarnings"));
    optionTexts_.clear();
    for (const OptionKey& option : kOptionKeys) {
        const std::string& text = optionTexts_.emplace_back(
            profile_.GetPrivateProfileString(kSection, KeyName(option.stem, 0), "", kValueBufferSize, path_));
        ReadFlag(settings.options.*option.field, text);
    }
    const std::string& fadeText = optionTexts_.emplace_back(
        profile_.GetPrivateProfileString(kSection, KeyName(kFadeSecondsStem, 0), "", kValueBufferSize, path_));
    settings.options.fadeMs = FadeMsIn(fadeText).value_or(kDefaultFadeMs);
    const std::int32_t count = std::min(CountNumber(readOption("PictureCount")).value_or(0), kMaxSlides);
    if (count <= 0) {
        settings.emptyListCount = count;
        return settings;
    }

    // Every slide's keys in one request, in the order of SlotOf.
    const auto slides = static_cast<std::size_t>(count);
    std::vector<std::string> keys;
    keys.reserve(slides * kSlotsPerSlide);
    for (std::size_t number = 1; number <= slides; ++number) {
        for (const char* stem : kSlideStems) keys.push_back(KeyName(stem, number));
    }
    std::vector<std::string> texts = profile_.ReadKeys(kSection, keys, kValueBufferSize, path_);
    texts.resize(keys.size());
    settings.slides.resize(slides);
    for (std::size_t s = 0; s < slides; ++s) {
        Slide& slide = settings.slides[s];
        const std::string* text = &texts[s * kSlotsPerSlide];
        slide.path = text[kFileSpecSlot];
        ReadFlag(slide.center, text[kCenterSlot]);
        ReadFlag(slide.hStretch, text[kHStretchSlot]);
        ReadFlag(slide.vStretch, text[kVStretchSlot]);
    }
    readTexts_.reserve(readTexts_.size() + texts.size());
    for (std::string& text : texts) readTexts_.push_back(std::move(text));
    return settings;
}

SaveResult SettingsFile::save(const Settings& settings, SaveRule rule) {
    std::vector<KeyWrite> writes = DifferingKeys(settings, readTexts_, optionTexts_);
    // Under CorrectionsOnly a key read at the start is left to another process that wrote
    // it since: what the file holds now is read back in one request.
    const bool corrections = rule == SaveRule::CorrectionsOnly;
    std::vector<std::string> readKeys;
    for (const KeyWrite& w : writes) {
        if (corrections && w.read) readKeys.push_back(w.key);
    }
    const std::vector<std::string> now =
        readKeys.empty() ? std::vector<std::string>() : profile_.ReadKeys(kSection, readKeys, kValueBufferSize, path_);
    std::vector<std::pair<std::string, std::string>> values;
    std::size_t asked = 0;
    for (KeyWrite& w : writes) {
        if (!corrections || !w.read || now[asked++] == *w.read) {
            values.emplace_back(std::move(w.key), std::move(w.value));
        }
    }

    // The whole file is replaced in one step, in the form it has (the Unicode form where a
    // value does not fit the system's code page): what is on disk is the old settings or
    // all of the new, never a part.
    const platform::ErrorCode error = values.empty() ? 0 : profile_.ReplaceKeys(kSection, values, path_);
    return SaveResult{error, path_};
}

} // namespace qs
