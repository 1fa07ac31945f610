// A fresh headless toolkit on SettingsFixture; its message loop moves os.clock with each timer it fires.
#pragma once

#include <memory>

#include "settings_fixture.h"
#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"

namespace qs::test {

class ToolkitTest : public SettingsFixture {
protected:
    ToolkitTest() : backend_(new tk::headless::HeadlessBackend) {
        backend_->onAdvance = [this](std::uint64_t elapsedMs) { os.clock.AdvanceMs(elapsedMs); };
        tk::SetBackend(std::unique_ptr<tk::Backend>(backend_));
    }
    ~ToolkitTest() override {
        tk::releaseKeptForms();
        tk::SetBackend(nullptr);
    }
    tk::headless::HeadlessBackend& ui() { return *backend_; }

private:
    tk::headless::HeadlessBackend* backend_;
};

} // namespace qs::test
