#include "window_model/menu_bar.h"

#include "window_model/pages.h"

namespace corvanta {

void EnableMenuBar(ControlAccess& controls, bool enabled) {
  const int items = controls.MenuBarItemCount();
  if (items <= 0) return;
  for (int position = 0; position < items; ++position)
    controls.EnableMenuBarItem(position, enabled);
  // "Results Page ..." is one of them, and offered with a result only.
  if (enabled) UpdateResultsPageItem(controls);
  controls.RedrawMenuBar();
}

}  // namespace corvanta
