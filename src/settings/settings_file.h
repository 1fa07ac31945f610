// The settings file: section "INIT" of the profile file beside the executable, keys named
// stem_index (0 for the options, the slide's number from 1 for its keys). load() keeps each
// key's text as read; save() writes only the keys that now differ from it, the count last,
// and reports whether the file took them. Keys another process wrote since are left to it
// unless the user confirmed (SaveRule), and slides' keys beyond the count are never removed.
// A stored count above kMaxSlides reads that many and stays as read while the list does.
#pragma once

#include <string>
#include <vector>

#include "platform/services.h"
#include "settings/settings.h"

namespace qs {

enum class SaveRule {
    // The run's user confirmed nothing (the show, the preview): only its corrections, and
    // none over a key that another process wrote since this one read it, so that the
    // settings dialog's OK survives a preview that ends after it.
    CorrectionsOnly,
    // The user confirmed these settings (the settings dialog's OK): every key that differs.
    Confirmed,
};

struct SaveResult {
    platform::ErrorCode error = 0; // 0: saved
    std::string path;              // the settings file
    explicit operator bool() const { return error == 0; }
    // The system's words for the error.
    std::string reason() const;
};

class SettingsFile {
public:
    SettingsFile(platform::ProfileFile& profile, std::string path);

    const std::string& path() const { return path_; }
    Settings load();
    // Stops at the first failure: a value that needs the file's Unicode form is never
    // written while the switch to it has failed.
    SaveResult save(const Settings& settings, SaveRule rule);

private:
    // One option's key (index 0), its text kept.
    std::string readOption(const std::string& stem);

    platform::ProfileFile& profile_;
    std::string path_;
    // Each key's text as read, in the order read: the six options, then four per slide.
    std::vector<std::string> readTexts_;
    // The show options' keys as read, "" for one the file does not hold.
    std::vector<std::string> optionTexts_;
};

} // namespace qs
