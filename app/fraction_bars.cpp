#include "app/fraction_bars.h"

namespace corvanta {

void InvalidateFractionBars(ControlAccess& controls) {
  for (const BarArea& area : kFractionBarAreas)
    controls.Invalidate(area.left, area.top, area.right, area.bottom);
}

}  // namespace corvanta
