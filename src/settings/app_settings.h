// AppSettings: the single settings object of the process. The first access from anywhere
// creates it, which reads the settings file; ReleaseAppSettings, called once when the
// message loop has ended, releases it, which writes the file back unless
// DiscardSettings is set. A process that never touches it neither reads nor writes.
#pragma once

#include "settings/cls_settings.h"

namespace qs {

ClsSettings& AppSettings();

// Runs the write-back and drops the object; a later access would read the file anew.
// Only this writes: an object still alive when static objects are destroyed at exit is
// left alone, as the services its write-back needs may already be gone.
void ReleaseAppSettings();

} // namespace qs
