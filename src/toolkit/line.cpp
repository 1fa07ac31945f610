#include <algorithm>
#include <cmath>

#include "toolkit/controls.h"

namespace qs::tk {

Line::Line(Container& container, const LineArgs& args)
    : Control(Kind::Line, container,
              {std::min(args.x1, args.x2), std::min(args.y1, args.y2), std::fabs(args.x2 - args.x1),
               std::fabs(args.y2 - args.y1)}),
      args_(args) {
    args_.width = std::max(1, args.width);
}

} // namespace qs::tk
