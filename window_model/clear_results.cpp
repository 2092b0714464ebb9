#include "window_model/clear_results.h"

#include "resources/resource.h"
#include "search/search_state.h"
#include "window_model/control_roles.h"
#include "window_model/fraction_bars.h"

namespace corvanta {

void ClearResults(ControlAccess& controls, SearchState& state) {
  for (ControlId id : ResultTextControls()) controls.SetText(id, "");
  for (ControlId id : ResultFrameControls()) controls.Show(id, false);
  InvalidateFractionBars(controls, true);
  controls.EnableMenuCommand(IDM_PRINT, false);
  controls.SetResultOnDisplay(false);
  // Left alone while a search runs: its workers still append to the list.
  DropSearchResults(state);
}

void ClearResults(ControlAccess& controls) { ClearResults(controls, ProgramSearchState()); }

}  // namespace corvanta
