#include <algorithm>
#include <cmath>

#include "toolkit/controls.h"

namespace qs::tk {

Line::Line(Container& container, std::string name, float x1, float y1, float x2, float y2, Color color,
           int borderWidth, int index)
    : Control(Kind::Line, container, std::move(name), index, std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1),
              std::fabs(y2 - y1)),
      x1_(x1), y1_(y1), x2_(x2), y2_(y2), color_(color), borderWidth_(std::max(1, borderWidth)) {}

} // namespace qs::tk
