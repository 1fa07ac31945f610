// The headless backend exists in the native build only.
#if !defined(_WIN32)

#include "toolkit_fixture.h"

#include "toolkit/application.h"

namespace qs::test {

ScopedToolkit::ScopedToolkit() {
    auto backend = std::make_unique<tk::headless::HeadlessBackend>();
    backend_ = backend.get();
    tk::SetBackend(std::move(backend));
}

ScopedToolkit::~ScopedToolkit() {
    tk::releaseKeptForms();
    tk::SetBackend(nullptr);
}

void ScopedToolkit::driveClock(FakeClock& clock) {
    backend_->onAdvance = [&clock](std::uint64_t elapsedMs) { clock.AdvanceMs(elapsedMs); };
}

} // namespace qs::test

#endif
