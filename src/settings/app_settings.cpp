#include "settings/app_settings.h"

#include <memory>

namespace qs {

namespace {

// Deliberately not destroyed with the other statics at exit: by then the services the
// write-back uses may be gone. Only ReleaseAppSettings writes.
std::unique_ptr<ClsSettings>& Instance() {
    static auto* instance = new std::unique_ptr<ClsSettings>();
    return *instance;
}

} // namespace

ClsSettings& AppSettings() {
    std::unique_ptr<ClsSettings>& instance = Instance();
    if (!instance) {
        instance = std::make_unique<ClsSettings>();
    }
    return *instance;
}

void ReleaseAppSettings() {
    Instance().reset();
}

} // namespace qs
