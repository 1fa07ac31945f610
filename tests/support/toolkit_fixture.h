// A fresh headless toolkit on top of SettingsFixture: ui().advance(ms) fires the form timers
// and moves os.clock in step with each firing.
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
