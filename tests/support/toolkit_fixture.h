// The headless toolkit for native tests (it exists in the native build only).
//
// ToolkitTest adds to SettingsFixture a fresh HeadlessBackend, whose virtual clock drives
// the FakeClock: ui().advance(ms) fires the form timers and moves os.clock by the same
// time, in step with each firing. At its end it destroys the forms kept by NewForm and
// removes the backend.
#pragma once

#include <memory>

#include "settings_fixture.h"
#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"

namespace qs::test {

class ToolkitTest : public SettingsFixture {
protected:
    ToolkitTest() {
        auto backend = std::make_unique<tk::headless::HeadlessBackend>();
        backend->onAdvance = [this](std::uint64_t elapsedMs) { os.clock.AdvanceMs(elapsedMs); };
        backend_ = backend.get();
        tk::SetBackend(std::move(backend));
    }
    ~ToolkitTest() override {
        tk::releaseKeptForms();
        tk::SetBackend(nullptr);
    }
    tk::headless::HeadlessBackend& ui() { return *backend_; }

private:
    tk::headless::HeadlessBackend* backend_ = nullptr;
};

} // namespace qs::test
