// FakeSystem: the window-manager and kernel calls of the saver against a table of
// pretend windows.
//
// - version: the record GetVersionInfo copies out (NT family, 10.0.19045 unless
//   changed); versionResult = false makes the call fail and leave the record alone.
//   versionSizesSeen records the size field of each request.
// - parametersCalls: every ParametersInfo call with the value its pointer held at the
//   call (pointerGiven tells whether there was one). When parametersWriteBack is set,
//   that value is written through the pointer, as the system hands back old states.
// - Windows: AddWindow() makes a live window with a caption, a client rectangle and a
//   parent (0 = top level) and gives its handle; DestroyWindow() kills it. Handles
//   are never reused. FindWindowByCaption matches live top-level windows by their
//   whole caption, first added first, ignoring letter case as FindWindowA does. IsWindow, GetClientRect, SetParent and MakeTopmost
//   fail for handles that are not live windows, as the real calls do. SetParent
//   accepts 0 (the desktop) as the new parent and returns the old parent, which is 0
//   for a top-level window. findCalls, setParentCalls and topmostCalls record calls.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace qs::test {

class FakeSystem final : public platform::System {
public:
    struct Window {
        std::string caption;
        platform::RectPx client;
        platform::WindowHandle parent = 0;
        bool alive = true;
    };
    struct ParametersCall {
        unsigned action = 0;
        unsigned param = 0;
        bool pointerGiven = false;
        std::int32_t valueAtCall = 0;
        unsigned winIni = 0;
    };
    struct SetParentCall {
        platform::WindowHandle child = 0;
        platform::WindowHandle parent = 0;
    };

    FakeSystem();

    bool GetVersionInfo(platform::OsVersionInfo& info) override;
    bool ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned winIni) override;
    platform::WindowHandle FindWindowByCaption(const std::string& caption) override;
    bool IsWindow(platform::WindowHandle h) override;
    bool GetClientRect(platform::WindowHandle h, platform::RectPx& rect) override;
    platform::WindowHandle SetParent(platform::WindowHandle child, platform::WindowHandle parent) override;
    bool MakeTopmost(platform::WindowHandle h) override;

    platform::WindowHandle AddWindow(const std::string& caption, platform::RectPx client = {},
                                     platform::WindowHandle parent = 0);
    void DestroyWindow(platform::WindowHandle h);
    // The window's entry (dead ones included), or nullptr for a handle never given out.
    const Window* Find(platform::WindowHandle h) const;

    platform::OsVersionInfo version;
    bool versionResult = true;
    std::vector<std::uint32_t> versionSizesSeen;

    std::vector<ParametersCall> parametersCalls;
    bool parametersResult = true;
    std::optional<std::int32_t> parametersWriteBack;

    std::vector<std::string> findCalls;
    std::vector<SetParentCall> setParentCalls;
    std::vector<platform::WindowHandle> topmostCalls;

private:
    bool Live(platform::WindowHandle h) const;

    std::map<platform::WindowHandle, Window> windows_;
    std::vector<platform::WindowHandle> order_;
    platform::WindowHandle nextHandle_ = 0x10010;
};

} // namespace qs::test
