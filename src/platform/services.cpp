#include "platform/services.h"

namespace qs::platform {

Services& services() {
    // Function-local so that services used during static initialisation of other
    // translation units find the table already constructed.
    static Services table;
    return table;
}

} // namespace qs::platform
