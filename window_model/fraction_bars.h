// The two bars that make the gear trains of a result read as fractions:
// painted under the upper tooth counts while a result is on display.
#ifndef CORVANTA_WINDOW_MODEL_FRACTION_BARS_H
#define CORVANTA_WINDOW_MODEL_FRACTION_BARS_H

#include <array>

#include "window_model/control_access.h"

namespace corvanta {

// One bar: the line the window draws (toX itself is not drawn) and the
// area it has repainted when the bar appears or disappears.
struct FractionBar {
  int fromX, toX, y;
  int left, top, right, bottom;
};

// Index train bar, then feed train bar.
inline constexpr std::array<FractionBar, 2> kFractionBars = {{
    {84, 154, 436, 83, 435, 155, 437},
    {363, 435, 436, 364, 435, 436, 437},
}};

// Has both bars repainted (erased first), after they appear or disappear.
void InvalidateFractionBars(ControlAccess& controls);

}  // namespace corvanta

#endif
