#include "window_model/solve_driver.h"

#include <new>
#include <optional>

#include "resources/resource.h"
#include "search/candidates.h"
#include "search/fast_candidates.h"
#include "search/job_values.h"
#include "search/order_results.h"
#include "search/pair_table.h"
#include "window_model/control_roles.h"
#include "window_model/menu_bar.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"
#include "window_model/validate_inputs.h"

namespace corvanta {

SolveOutcome RunSolve(ControlAccess& controls, SolvePlatform& platform, SearchState& state) {
  SearchRunMark mark(state);
  if (!mark.acquired()) return {};
  SolveOutcome outcome;
  outcome.ran = true;

  EnableMenuBar(controls, false);
  for (ControlId id : ControlLockSet()) controls.Enable(id, false);
  // The results of any earlier Solve are gone: only this one's can be shown.
  controls.SetResultOnDisplay(false);
  try {
    FreeSearchLists(state);
    BuildPairTable(ReadStockGears(controls), state);
    if (!state.stockGears.empty()) {
      controls.SetText(IDC_C_LINE, "Finding Applicable C Constants...");
      // The table comes sorted by product; only its spare room goes.
      state.pairTable.shrink_to_fit();
      // A field the validation passed but the 100-digit parser refuses
      // leaves no job to search: the run ends as one without candidates.
      const std::optional<JobValues> job = ReadJobValues(controls);
      if (job && (state.method == SearchMethod::kLiteral ||
                  !FastFindCandidates(state, *job, platform, /*refineWithWorkers=*/true)))
        FindCandidates(state, *job);
      outcome.candidates = state.candidates.size();
      if (job && !state.candidates.empty()) {
        const ProgressCallback showProgress = [&controls](const std::string& text) {
          controls.SetText(IDC_C_LINE, text);
        };
        SearchCandidates(platform, state, *job, showProgress, outcome);
      }
      std::vector<CCandidate>().swap(state.candidates);
      OrderResults(state.results);
    }
  } catch (const std::bad_alloc&) {
    // Every worker has ended by now (SearchCandidates): the lists can go,
    // and the window is handed back instead of staying locked.
    FreeSearchLists(state);
    outcome.failed = true;
  }
  if (!state.stockGears.empty() || outcome.failed) {
    controls.SetSpinnerRange(IDC_RESULT_SELECTOR, 1, static_cast<int>(state.results.size()));
    controls.SetSpinnerPosition(IDC_RESULT_SELECTOR, 1);
    controls.SetText(IDC_C_LINE, "");
  }

  EnableMenuBar(controls, true);
  for (ControlId id : UnlockedAfterSolve()) controls.Enable(id, true);
  outcome.stopped = state.stopRequested.load(std::memory_order_relaxed);
  ShowResult(controls, state.results, 0, state.method);
  return outcome;
}

SolveOutcome SolveCommand(ControlAccess& controls, SolvePlatform& platform, SearchState& state) {
  if (SolveRunning(state) || FindInputProblem(controls)) return {};
  state.stopRequested.store(false, std::memory_order_relaxed);
  std::vector<CCandidate>().swap(state.candidates);
  std::vector<SolveResult>().swap(state.results);
  return RunSolve(controls, platform, state);
}

}  // namespace corvanta
