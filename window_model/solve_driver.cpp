#include "window_model/solve_driver.h"

#include <new>
#include <optional>

#include "resources/resource.h"
#include "search/job_values.h"
#include "search/stock_search.h"
#include "search/stock_tables.h"
#include "window_model/control_roles.h"
#include "window_model/menu_bar.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"
#include "window_model/validate_inputs.h"
#include "window_model/window_lock.h"

namespace corvanta {

SolveOutcome RunSolve(ControlAccess& controls, SolvePlatform& platform, SolveSession& session) {
  SolveRunMark mark(session);
  if (!mark.acquired()) return {};
  SolveOutcome outcome;
  outcome.ran = true;

  LockWindow(controls);
  // The results of any earlier Solve are gone: only this one's can be shown.
  controls.SetResultOnDisplay(false);
  std::vector<SolveResult>().swap(session.results);
  bool stockEmpty = true;
  try {
    const StockTables tables = MakeStockTables(ReadStockGears(controls));
    stockEmpty = tables.gears.empty();
    if (!stockEmpty) {
      controls.SetText(IDC_C_LINE, "Finding Applicable C Constants...");
      // A field the validation passed but the 100-digit parser refuses
      // leaves no job to search: the run ends as one without candidates.
      if (const std::optional<JobValues> job = ReadJobValues(controls)) {
        const ProgressCallback showProgress = [&controls](const std::string& text) {
          controls.SetText(IDC_C_LINE, text);
        };
        session.results = SearchStock(platform, session.method, *job, tables, session.control,
                                      showProgress, outcome);
      }
    }
  } catch (const std::bad_alloc&) {
    // Every worker has ended by now (RunFeedSearch): the window is handed
    // back instead of staying locked.
    std::vector<SolveResult>().swap(session.results);
    outcome.failed = true;
  }
  if (!stockEmpty || outcome.failed) {
    controls.SetSpinnerRange(IDC_RESULT_SELECTOR, 1, static_cast<int>(session.results.size()));
    controls.SetSpinnerPosition(IDC_RESULT_SELECTOR, 1);
    controls.SetText(IDC_C_LINE, "");
  }

  // The menu bar, enabled here and again by the result display, drawn once.
  const ControlUpdate unlock(controls);
  EnableMenuBar(controls, true);
  for (ControlId id : UnlockedAfterSolve()) controls.Enable(id, true);
  outcome.stopped = session.control.StopRequested();
  ShowResult(controls, session.results, 0, session.method);
  return outcome;
}

SolveOutcome SolveCommand(ControlAccess& controls, SolvePlatform& platform, SolveSession& session) {
  if (SolveRunning(session) || FindInputProblem(controls)) return {};
  session.control.stopRequested.store(false, std::memory_order_relaxed);
  std::vector<SolveResult>().swap(session.results);
  return RunSolve(controls, platform, session);
}

}  // namespace corvanta
