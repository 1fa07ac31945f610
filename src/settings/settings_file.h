// The settings file: section "INIT" of the profile file beside the executable, each key a
// stem, "_" and an index (0 for the options, the slide's number from 1 for a slide's keys).
//
// load() reads the whole file (the six options and the show options one key at a time,
// then every slide's keys in one request to the profile) and remembers each key's text as read; a key that was
// absent reads as "". save() writes back only the keys whose text now differs from that (a
// value the reading corrected, such as a Delay of 1, differs), entries first and the count
// last, and reports whether the file took them. Nothing else touches the file.
//
// Another process may hold the settings at the same time (a preview while the settings
// dialog is open): keys this process leaves alone keep whatever the other one wrote, and
// a run whose user confirmed nothing does not write its corrections over a key the other
// one wrote since.
//
// The list's limit (kMaxSlides): a stored count above it (up to the 32-bit limit) reads the
// first kMaxSlides slides; while the list still holds that many, the count is written back
// as it was read, so the slides beyond stay part of the stored list. An unreadable count
// (not a number, beyond the 32-bit range) reads as 0 and a negative one as itself, with no
// slide read. Slides' keys beyond the count are never removed.
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
