#include "window_model/clear_results.h"

#include "resources/resource.h"
#include "window_model/advice_page.h"
#include "window_model/control_roles.h"
#include "window_model/fraction_bars.h"
#include "window_model/pages.h"
#include "window_model/solve_session.h"

namespace corvanta {

void ClearResults(ControlAccess& controls, SolveSession& session) {
  for (ControlId id : ResultTextControls()) controls.SetText(id, "");
  for (ControlId id : ResultFrameControls()) controls.Show(id, false);
  InvalidateFractionBars(controls, true);
  controls.EnableMenuCommand(IDM_PRINT, false);
  controls.EnableMenuCommand(IDM_SAVE_RESULTS_AS, false);
  controls.SetResultOnDisplay(false);
  // The list of the results goes with them, and its page with the list.
  if (controls.ListRowCount(IDC_RESULT_LIST) > 0) controls.SetListRows(IDC_RESULT_LIST, {});
  if (PageOnDisplay(controls) == kResultsPage) PageCommand(controls, kMainPage);
  UpdateResultsPageItem(controls);
  // The advice was for the job and the stock as they were.
  ClearAdvice(controls, session);
  // Left alone while a Solve runs: it hands back its own results.
  DropSolveResults(session);
}

void ClearResults(ControlAccess& controls) { ClearResults(controls, ProgramSolveSession()); }

}  // namespace corvanta
