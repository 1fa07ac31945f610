// ClsSettings: the one in-memory copy of everything the saver keeps between runs, and
// SlideEntry, one slide of the show. Construction reads the whole settings file (section
// "INIT" of the file INIFile names: the six settings one key at a time, then every entry's
// keys in one request to the profile); release writes back, unless
// DiscardSettings is set, only the keys whose text now differs from what was read (a key
// that was absent read as ""; a value the reading corrected, such as a Delay of 1, differs).
// Another process may hold the settings at the same time (a preview while the settings
// dialog is open): keys this process left alone keep whatever the other one wrote, and a
// process whose user changed nothing does not write its corrections over a key the other
// one wrote since.
// Every accessor works on memory only.
//
// Slides are numbered from 1. Per-entry accessors given a number outside 1..PictureCount
// read an empty path and false flags and change nothing (callers keep to the range).
//
// Size of the list: the list never holds more than kMaxPictureCount entries. Each entry
// costs four keys when the settings are read and up to four profile calls when they are
// written, and the Windows profile functions search the file anew for every call, so
// the time grows with the square of the count. A hundred thousand entries is far beyond
// any real slide show (the editor handles ten thousand comfortably) while a count such as
// 2000000000 would ask for gigabytes and hours of profile calls. Hence:
// - a PictureCount_0 above kMaxPictureCount (up to the 32-bit limit, e.g. 2000000000)
//   reads the first kMaxPictureCount entries, which the show uses; while the list still
//   holds that many, the release writes the count back as it was read, so the entries
//   beyond stay part of the stored list. An unreadable count (not a number, beyond
//   the 32-bit range) reads as 0 and a negative one as itself, with no entry read;
// - PictureCount set above kMaxPictureCount holds kMaxPictureCount entries;
// - FileSpec with an index above kMaxPictureCount stores nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qs {

struct SlideEntry {
    std::string FileSpec;
    bool Center = false;
    bool HStretch = false;
    bool VStretch = false;
    bool operator==(const SlideEntry&) const = default;
};

inline constexpr std::int32_t kMaxPictureCount = 100000;

class ClsSettings {
public:
    // Class_Initialize: reads the settings file.
    ClsSettings();
    // Class_Terminate: writes the settings file back unless DiscardSettings is set.
    ~ClsSettings();
    ClsSettings(const ClsSettings&) = delete;
    ClsSettings& operator=(const ClsSettings&) = delete;

    bool randomDisplay() const { return RandomDisplay_; }
    void setRandomDisplay(bool random) { RandomDisplay_ = random; Changed_ = true; }
    bool displayWarnings() const { return DisplayWarnings_; }
    void setDisplayWarnings(bool flag) { DisplayWarnings_ = flag; Changed_ = true; }
    std::int32_t delay() const { return Delay_; }
    // Stored unchanged; the 2 to 1000 rule applies only when the file is read.
    void setDelay(std::int32_t delay) { Delay_ = delay; Changed_ = true; }
    bool previewFlag() const { return PreviewFlag_; }
    void setPreviewFlag(bool flag) { PreviewFlag_ = flag; Changed_ = true; }

    bool hStretch(std::int32_t index) const;
    void setHStretch(std::int32_t index, bool flag);
    bool vStretch(std::int32_t index) const;
    void setVStretch(std::int32_t index, bool flag);
    bool center(std::int32_t index) const;
    void setCenter(std::int32_t index, bool flag);

    std::string fileSpec(std::int32_t index) const;
    // Sets entry index's path, first growing the list to index entries when it is shorter.
    void setFileSpec(std::int32_t index, const std::string& path);

    // The count as last set or read (a negative count read from the file stays as read).
    std::int32_t pictureCount() const { return PictureCount_; }
    // Below 1 empties the list; otherwise keeps entries 1..min(old, new), new ones empty.
    void setPictureCount(std::int32_t count);

    std::int32_t bgColor() const { return bgColor_; }
    void setBgColor(std::int32_t color) { bgColor_ = color; Changed_ = true; }

    // The settings file: the executable's folder, "\", its name without extension, ".INI".
    std::string iniFile() const;
    // One key of section "INIT": stem + "_" + index. At most 254 characters come back.
    std::string GetParm(const std::string& stem, std::int32_t index = 0) const;

private:
    void Class_Initialize();
    void Class_Terminate();
    SlideEntry* Entry(std::int32_t index);
    const SlideEntry* Entry(std::int32_t index) const;
    bool Flag(std::int32_t index, bool SlideEntry::*flag) const;
    void SetFlag(std::int32_t index, bool SlideEntry::*flag, bool value);
    std::string ReadParm(const std::string& stem, std::int32_t index = 0);
    void ReadFlag(bool& field, const std::string& stem, std::int32_t index = 0);
    void readEntries();
    // A key to write: where its text read at the start is kept, its name and its new text.
    struct ParmWrite {
        std::size_t slot;
        std::string key;
        std::string value;
    };
    void WriteParm(std::vector<ParmWrite>& writes, std::size_t slot, const std::string& stem, const std::string& value,
                   std::int32_t index = 0) const;
    void WriteFlag(std::vector<ParmWrite>& writes, std::size_t slot, const std::string& stem, bool flag,
                   std::int32_t index = 0) const;

    std::int32_t bgColor_ = 0;
    // A setter was called: this process's settings were confirmed by its user.
    bool Changed_ = false;
    bool PreviewFlag_ = false;
    bool DisplayWarnings_ = false;
    bool RandomDisplay_ = false;
    std::int32_t Delay_ = 0;
    std::int32_t PictureCount_ = 0;
    std::vector<SlideEntry> Slides_; // Slides_[i - 1] is entry i
    // Each key's text as read, in the order read: the six settings, then four per entry.
    std::vector<std::string> ReadTexts_;
};

} // namespace qs
