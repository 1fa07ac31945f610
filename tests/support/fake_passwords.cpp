#include "fake_passwords.h"

namespace qs::test {

bool FakePasswords::PwdChangePassword(const std::string& provider, platform::WindowHandle owner,
                                      std::uint32_t reserved1, std::uint32_t reserved2) {
    changeCalls.push_back({provider, owner, reserved1, reserved2});
    if (onChange) {
        onChange();
    }
    return changeAvailable;
}

std::int32_t FakePasswords::VerifyScreenSavePwd(platform::WindowHandle owner) {
    verifyCalls.push_back(owner);
    if (onVerify) {
        onVerify();
    }
    if (verifyResults.empty()) {
        return verifyDefault;
    }
    const std::int32_t result = verifyResults.front();
    verifyResults.pop_front();
    return result;
}

} // namespace qs::test
