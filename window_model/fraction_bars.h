// The two bars that make the gear trains of a result read as fractions:
// painted under the upper tooth counts while a result is on display.
#ifndef CORVANTA_WINDOW_MODEL_FRACTION_BARS_H
#define CORVANTA_WINDOW_MODEL_FRACTION_BARS_H

#include <array>

#include "window_model/control_access.h"

namespace corvanta {

// One bar, as one rectangle: the window draws the line through its middle
// row from left + 1 up to right - 1 (that end not drawn), and repaints the
// whole rectangle when the bar appears or disappears. Drawing and repainting
// from the same numbers leaves no pixel of a bar behind.
struct FractionBar {
  int left, top, right, bottom;
  constexpr int LineY() const { return top + 1; }
  constexpr int LineFromX() const { return left + 1; }
  constexpr int LineToX() const { return right - 1; }
};

// Index train bar (line 84 to 154), then feed train bar (line 363 to 435).
inline constexpr std::array<FractionBar, 2> kFractionBars = {{
    {83, 435, 155, 437},
    {362, 435, 436, 437},
}};

// Has both bars repainted after they appear or disappear; `erase`: the
// background first (needed where a bar goes away).
void InvalidateFractionBars(ControlAccess& controls, bool erase);

}  // namespace corvanta

#endif
