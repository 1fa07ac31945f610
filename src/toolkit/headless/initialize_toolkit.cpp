#include "toolkit/application.h"
#include "toolkit/headless/headless_backend.h"

namespace qs::tk {

void InitializeToolkit() { SetBackend(std::make_unique<headless::HeadlessBackend>()); }

} // namespace qs::tk
