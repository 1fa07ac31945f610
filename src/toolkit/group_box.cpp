#include "toolkit/controls.h"

namespace qs::tk {

GroupBox::GroupBox(Container& container, const CaptionArgs& args)
    : Control(Kind::GroupBox, container, args.bounds), caption_(args.caption) {}

} // namespace qs::tk
