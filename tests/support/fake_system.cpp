#include "fake_system.h"

namespace qs::test {

namespace {
char FoldCase(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameCaption(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (FoldCase(a[i]) != FoldCase(b[i])) {
            return false;
        }
    }
    return true;
}
} // namespace

FakeSystem::FakeSystem() {
    version.dwMajorVersion = 10;
    version.dwMinorVersion = 0;
    version.dwBuildNumber = 19045;
    version.dwPlatformId = 2;
}

bool FakeSystem::GetVersionInfo(platform::OsVersionInfo& info) {
    versionSizesSeen.push_back(info.dwOSVersionInfoSize);
    if (!versionResult) {
        return false;
    }
    const std::uint32_t size = info.dwOSVersionInfoSize;
    info = version;
    info.dwOSVersionInfoSize = size;
    return true;
}

bool FakeSystem::ParametersInfo(unsigned action, unsigned param, std::int32_t* pv, unsigned winIni) {
    parametersCalls.push_back({action, param, pv != nullptr, pv ? *pv : 0, winIni});
    if (pv && parametersWriteBack) {
        *pv = *parametersWriteBack;
    }
    return parametersResult;
}

platform::WindowHandle FakeSystem::FindWindowByCaption(const std::string& caption) {
    findCalls.push_back(caption);
    for (platform::WindowHandle h : order_) {
        const Window& w = windows_.at(h);
        if (w.alive && w.parent == 0 && SameCaption(w.caption, caption)) {
            return h;
        }
    }
    return 0;
}

bool FakeSystem::IsWindow(platform::WindowHandle h) {
    return Live(h);
}

bool FakeSystem::GetClientRect(platform::WindowHandle h, platform::RectPx& rect) {
    if (!Live(h)) {
        return false;
    }
    rect = windows_.at(h).client;
    return true;
}

platform::WindowHandle FakeSystem::SetParent(platform::WindowHandle child, platform::WindowHandle parent) {
    setParentCalls.push_back({child, parent});
    if (!Live(child) || (parent != 0 && !Live(parent))) {
        return 0;
    }
    Window& w = windows_.at(child);
    const platform::WindowHandle previous = w.parent;
    w.parent = parent;
    return previous;
}

bool FakeSystem::MakeTopmost(platform::WindowHandle h) {
    topmostCalls.push_back(h);
    return Live(h);
}

platform::WindowHandle FakeSystem::AddWindow(const std::string& caption, platform::RectPx client,
                                             platform::WindowHandle parent) {
    const platform::WindowHandle h = nextHandle_;
    nextHandle_ += 0x10;
    windows_[h] = Window{caption, client, parent, true};
    order_.push_back(h);
    return h;
}

void FakeSystem::DestroyWindow(platform::WindowHandle h) {
    auto it = windows_.find(h);
    if (it != windows_.end()) {
        it->second.alive = false;
    }
}

const FakeSystem::Window* FakeSystem::Find(platform::WindowHandle h) const {
    auto it = windows_.find(h);
    return it == windows_.end() ? nullptr : &it->second;
}

bool FakeSystem::Live(platform::WindowHandle h) const {
    auto it = windows_.find(h);
    return it != windows_.end() && it->second.alive;
}

} // namespace qs::test
