// The two bars that make the gear trains of a result read as fractions:
// painted under the upper tooth counts while a result is on display.
#ifndef CORVANTA_APP_FRACTION_BARS_H
#define CORVANTA_APP_FRACTION_BARS_H

#include <array>

#include "app/control_access.h"

namespace corvanta {

struct BarLine {
  int fromX, toX, y;  // toX itself is not drawn
};
struct BarArea {
  int left, top, right, bottom;
};

// Index train bar, then feed train bar.
inline constexpr std::array<BarLine, 2> kFractionBars = {{{84, 154, 436}, {363, 435, 436}}};
inline constexpr std::array<BarArea, 2> kFractionBarAreas = {
    {{83, 435, 155, 437}, {364, 435, 436, 437}}};

// Has both bars repainted (erased first), after they appear or disappear.
void InvalidateFractionBars(ControlAccess& controls);

}  // namespace corvanta

#endif
