#include "window_model/menu_bar.h"

namespace corvanta {

void EnableMenuBar(ControlAccess& controls, bool enabled) {
  const int items = controls.MenuBarItemCount();
  if (items <= 0) return;
  for (int position = 0; position < items; ++position)
    controls.EnableMenuBarItem(position, enabled);
  controls.RedrawMenuBar();
}

}  // namespace corvanta
