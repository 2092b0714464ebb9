#include "window_model/solve_driver.h"

#include <new>
#include <optional>

#include "resources/resource.h"
#include "search/candidates.h"
#include "search/job_values.h"
#include "search/order_results.h"
#include "search/pair_table.h"
#include "window_model/menu_bar.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"

namespace corvanta {

const std::vector<ControlId>& ControlLockSet() {
  static const std::vector<ControlId> locked = [] {
    std::vector<ControlId> ids = {IDC_SOLVE_BUTTON, IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR,
                                  IDC_HOB_THREADS_SPINNER};
    for (ControlId id = IDC_INDEX_CONST; id <= IDC_FEED_RATE; ++id) ids.push_back(id);
    for (ControlId id : {IDC_INDEX_CONST_LABEL, IDC_HOB_THREADS_LABEL, IDC_HOB_THREADS,
                         IDC_INDEX_ERROR_LINE, IDC_PITCH_DIAMETER_LINE, IDC_OUTSIDE_DIAMETER_LINE,
                         IDC_FEED_ERROR_LINE, IDC_ACTUAL_FEED_TEXT, IDC_LEAD_LINE, IDC_WHOLE_C_ONLY,
                         IDC_FEED_RATE_LABEL, IDC_HELIX_ANGLE_LABEL, IDC_FEED_CONST_LABEL,
                         IDC_NUMBER_OF_TEETH_LABEL, IDC_NORMAL_DIAMETRAL_PITCH_LABEL})
      ids.push_back(id);
    for (ControlId id = IDC_HOB_HEAD; id <= IDC_INTERMEDIATE_STUDS_HEAD; ++id) ids.push_back(id);
    return ids;
  }();
  return locked;
}

const std::vector<ControlId>& UnlockedAfterSolve() {
  static const std::vector<ControlId> unlocked = [] {
    std::vector<ControlId> ids;
    for (ControlId id : ControlLockSet())
      if (id != IDC_SOLVE_BUTTON && id != IDC_RESULT_SELECTOR) ids.push_back(id);
    return ids;
  }();
  return unlocked;
}

SolveOutcome RunSolve(ControlAccess& controls, SolvePlatform& platform, SearchState& state) {
  SearchRunMark mark(state);
  if (!mark.acquired()) return {};
  SolveOutcome outcome;
  outcome.ran = true;

  EnableMenuBar(controls, false);
  for (ControlId id : ControlLockSet()) controls.Enable(id, false);
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
      if (job) FindCandidates(state, *job);
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
  ShowResult(controls, state.results, 0);
  return outcome;
}

SolveOutcome SolveCommand(ControlAccess& controls, SolvePlatform& platform, SearchState& state) {
  if (SolveRunning(state)) return {};
  state.stopRequested.store(false, std::memory_order_relaxed);
  std::vector<CCandidate>().swap(state.candidates);
  std::vector<SolveResult>().swap(state.results);
  return RunSolve(controls, platform, state);
}

}  // namespace corvanta
