#include "window_model/fraction_bars.h"

namespace corvanta {

void InvalidateFractionBars(ControlAccess& controls, bool erase) {
  for (const FractionBar& bar : kFractionBars)
    controls.Invalidate(bar.left, bar.top, bar.right, bar.bottom, erase);
}

}  // namespace corvanta
