// The headless toolkit for native tests (it exists in the native build only).
//
// ScopedToolkit installs a fresh HeadlessBackend for its lifetime; at its end it
// destroys the forms kept by NewForm and removes the backend. ToolkitTest adds it to
// SettingsFixture, with the toolkit's virtual clock driving the FakeClock: ui().advance(ms)
// fires the form timers and moves os.clock by the same time, in step with each firing.
#pragma once

#include <memory>

#include "settings_fixture.h"
#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"

namespace qs::test {

class ScopedToolkit {
public:
    ScopedToolkit() {
        auto backend = std::make_unique<tk::headless::HeadlessBackend>();
        backend_ = backend.get();
        tk::SetBackend(std::move(backend));
    }
    ~ScopedToolkit() {
        tk::releaseKeptForms();
        tk::SetBackend(nullptr);
    }
    ScopedToolkit(const ScopedToolkit&) = delete;
    ScopedToolkit& operator=(const ScopedToolkit&) = delete;

    tk::headless::HeadlessBackend& backend() { return *backend_; }
    void driveClock(FakeClock& clock) {
        backend_->onAdvance = [&clock](std::uint64_t elapsedMs) { clock.AdvanceMs(elapsedMs); };
    }

private:
    tk::headless::HeadlessBackend* backend_ = nullptr;
};

class ToolkitTest : public SettingsFixture {
protected:
    ToolkitTest() { toolkit_.driveClock(os.clock); }
    tk::headless::HeadlessBackend& ui() { return toolkit_.backend(); }

private:
    ScopedToolkit toolkit_;
};

} // namespace qs::test
