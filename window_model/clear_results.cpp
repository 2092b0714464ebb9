#include "window_model/clear_results.h"

#include "resources/resource.h"
#include "window_model/control_roles.h"
#include "window_model/fraction_bars.h"
#include "window_model/solve_session.h"

namespace corvanta {

void ClearResults(ControlAccess& controls, SolveSession& session) {
  for (ControlId id : ResultTextControls()) controls.SetText(id, "");
  for (ControlId id : ResultFrameControls()) controls.Show(id, false);
  InvalidateFractionBars(controls, true);
  controls.EnableMenuCommand(IDM_PRINT, false);
  controls.SetResultOnDisplay(false);
  // Left alone while a Solve runs: it hands back its own results.
  DropSolveResults(session);
}

void ClearResults(ControlAccess& controls) { ClearResults(controls, ProgramSolveSession()); }

}  // namespace corvanta
