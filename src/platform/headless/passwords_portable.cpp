// No screen-saver password services exist outside Windows: there is no dialog to
// open, and no password can hold the saver.
#include "platform/headless/services_portable.h"

namespace qs::platform {

namespace {
class PortablePasswords final : public Passwords {
public:
    bool PwdChangePassword(const std::string&, WindowHandle, std::uint32_t, std::uint32_t) override {
        return false;
    }
    std::int32_t VerifyScreenSavePwd(WindowHandle) override {
        return 1;
    }
};
} // namespace

std::unique_ptr<Passwords> MakePortablePasswords() {
    return std::make_unique<PortablePasswords>();
}

} // namespace qs::platform
