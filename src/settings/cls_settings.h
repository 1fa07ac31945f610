// ClsSettings: the one in-memory copy of everything the saver keeps between runs, and
// SlideEntry, one slide of the show. Construction reads the whole settings file (section
// "INIT" of the file INIFile names, one profile call per key); release writes it all back
// unless DiscardSettings is set. Every accessor works on memory only.
//
// Slides are numbered from 1. Per-entry accessors given a number outside 1..PictureCount
// read an empty path and false flags and change nothing (callers keep to the range).
//
// Size of the list: the list never holds more than kMaxPictureCount entries. Each entry
// costs four profile calls when the settings are read and four more when they are
// written, and the Windows profile functions search the file anew for every call, so
// the time grows with the square of the count. A hundred thousand entries is far beyond
// any real slide show (the editor handles ten thousand comfortably) while a count such as
// 2000000000 would ask for gigabytes and hours of profile calls. Hence:
// - a PictureCount_0 above kMaxPictureCount (up to the 32-bit limit, e.g. 2000000000)
//   counts as unreadable, like a number beyond the 32-bit range: the count is 0, no entry
//   key is read, and the release writes PictureCount_0=0 while the entry keys stay in the
//   file. Every other setting of the file is read and written back as usual;
// - PictureCount set above kMaxPictureCount holds kMaxPictureCount entries;
// - FileSpec with an Index above kMaxPictureCount stores nothing.
#pragma once

#include <cstdint>
#include <string>
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

    void RandomDisplay(bool fRD) { RandomDisplay_ = fRD; }
    bool RandomDisplay() const { return RandomDisplay_; }
    void DisplayWarnings(bool fFlag) { DisplayWarnings_ = fFlag; }
    bool DisplayWarnings() const { return DisplayWarnings_; }
    // Stored unchanged; the 2 to 1000 rule applies only when the file is read.
    void Delay(std::int32_t nDelay) { Delay_ = nDelay; }
    std::int32_t Delay() const { return Delay_; }
    bool PreviewFlag() const { return PreviewFlag_; }
    void PreviewFlag(bool fFlag) { PreviewFlag_ = fFlag; }

    void HStretch(std::int32_t Index, bool fFlag);
    bool HStretch(std::int32_t Index) const;
    void VStretch(std::int32_t Index, bool fFlag);
    bool VStretch(std::int32_t Index) const;
    void Center(std::int32_t Index, bool fFlag);
    bool Center(std::int32_t Index) const;

    // Sets entry Index's path, first growing the list to Index entries when it is shorter.
    void FileSpec(const std::string& fFile, std::int32_t Index);
    std::string getFileSpec(std::int32_t nIndex) const;

    // The count as last set or read (a negative count read from the file stays as read).
    std::int32_t PictureCount() const { return PictureCount_; }
    // Below 1 empties the list; otherwise keeps entries 1..min(old, new), new ones empty.
    void PictureCount(std::int32_t nCount);

    std::int32_t bgColor() const { return bgColor_; }
    void bgColor(std::int32_t lColor) { bgColor_ = lColor; }

    // The settings file: the executable's folder, "\", its name without extension, ".INI".
    std::string INIFile() const;
    // One key of section "INIT": Parm + "_" + Index. At most 254 characters come back.
    std::string GetParm(const std::string& Parm, std::int32_t Index = 0) const;
    void PutParm(const std::string& Parm, const std::string& NewValue, std::int32_t Index = 0) const;

private:
    void Class_Initialize();
    void Class_Terminate();
    SlideEntry* Entry(std::int32_t Index);
    const SlideEntry* Entry(std::int32_t Index) const;
    void SetFlag(std::int32_t Index, bool SlideEntry::*flag, bool value);
    bool Flag(std::int32_t Index, bool SlideEntry::*flag) const;
    void ReadFlag(bool& field, const std::string& Parm, std::int32_t Index = 0) const;
    void WriteFlag(const std::string& Parm, bool flag, std::int32_t Index = 0) const;

    std::int32_t bgColor_ = 0;
    bool PreviewFlag_ = false;
    bool DisplayWarnings_ = false;
    bool RandomDisplay_ = false;
    std::int32_t Delay_ = 0;
    std::int32_t PictureCount_ = 0;
    std::vector<SlideEntry> Slides_; // Slides_[i - 1] is entry i
};

} // namespace qs
