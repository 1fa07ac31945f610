// The headless toolkit for native tests.
//
// ScopedToolkit installs a fresh HeadlessBackend for its lifetime; at its end it
// destroys the forms kept by NewForm and removes the backend. ToolkitTest is a test
// fixture with the platform doubles (ScopedServices) and the toolkit, whose virtual
// clock drives the FakeClock: advance(ms) fires the form timers and moves os.clock by
// the same time, in step with each firing.
//
//   TEST_F(ToolkitTest, PreviewTicks) {
//       MyForm form;
//       form.Show();
//       ui().advance(400);                      // timers fire, os.clock moves 0.4 s
//       EXPECT_EQ(ui().textsOn(form.Picture1), ...);
//   }
#pragma once

#include <gtest/gtest.h>

#include "scoped_services.h"
#include "toolkit/headless/headless_backend.h"

namespace qs::test {

class ScopedToolkit {
public:
    ScopedToolkit();
    ~ScopedToolkit();
    ScopedToolkit(const ScopedToolkit&) = delete;
    ScopedToolkit& operator=(const ScopedToolkit&) = delete;

    tk::headless::HeadlessBackend& backend() { return *backend_; }
    // Makes the virtual clock move `clock` along with it.
    void driveClock(FakeClock& clock);

private:
    tk::headless::HeadlessBackend* backend_ = nullptr;
};

class ToolkitTest : public ::testing::Test {
protected:
    ToolkitTest() { toolkit_.driveClock(os.clock); }
    tk::headless::HeadlessBackend& ui() { return toolkit_.backend(); }

    ScopedServices os;

private:
    ScopedToolkit toolkit_;
};

} // namespace qs::test
