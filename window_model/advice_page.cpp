#include "window_model/advice_page.h"

#include <new>
#include <optional>
#include <vector>

#include "resources/resource.h"
#include "search/feed_search.h"
#include "window_model/control_roles.h"
#include "window_model/menu_bar.h"
#include "window_model/read_job.h"
#include "window_model/result_list.h"
#include "window_model/validate_inputs.h"
#include "window_model/window_lock.h"

namespace corvanta {

namespace {

std::vector<std::size_t> OrderOf(const SolveSession& session) {
  return SortedAdviceOrder(session.advice, static_cast<AdviceColumn>(session.adviceSort.column),
                           session.adviceSort.descending);
}

void FillList(ControlAccess& controls, const SolveSession& session) {
  std::vector<std::vector<std::string>> cells;
  cells.reserve(session.advice.size());
  for (const std::size_t k : OrderOf(session))
    cells.emplace_back(session.advice[k].cells.begin(), session.advice[k].cells.end());
  controls.SetListRows(IDC_ADVICE_LIST, cells);
}

std::string ProgressText(std::size_t done, std::size_t total) {
  return "Searching stock " + std::to_string(done) + " of " + std::to_string(total) +
         " with gears added... Press Escape to break early";
}

std::string OutcomeText(const AdviceOutcome& outcome) {
  if (outcome.tried == 0) return "Every change gear from 16 to 169 teeth is in the stock.";
  const std::string tried = std::to_string(outcome.tried);
  if (outcome.stopped)
    return "Stopped early: " + std::to_string(outcome.rows.size() - 1) + " of " + tried +
           " stocks with gears added were searched.";
  return tried + " stocks with gears added were searched, each as a Solve.";
}

std::vector<AdviceListRow> ListRows(const ControlAccess& controls, const AdviceOutcome& outcome,
                                    SearchMethod method) {
  std::vector<AdviceListRow> rows;
  const std::optional<DisplayInputs> inputs = ReadDisplayInputs(controls);
  const std::optional<IndexTerms> terms = ReadIndexTerms(controls);
  if (!inputs || !terms) return rows;
  rows.reserve(outcome.rows.size());
  for (std::size_t k = 0; k < outcome.rows.size(); ++k)
    rows.push_back(MakeAdviceListRow(k, outcome.rows[k], *inputs, *terms, method));
  return rows;
}

void Unlock(ControlAccess& controls) {
  const ControlUpdate unlock(controls);
  EnableMenuBar(controls, true);
  // The page on display keeps its own item greyed.
  controls.EnableMenuCommand(IDM_GEAR_ADVICE_PAGE, false);
  for (ControlId id : UnlockedAfterSolve()) controls.Enable(id, true);
  if (controls.ResultOnDisplay())
    for (ControlId id : EnabledWithResult()) controls.Enable(id, true);
  ValidateInputs(controls);
}

}  // namespace

AdviceOutcome AdviseCommand(ControlAccess& controls, SolvePlatform& platform,
                            SolveSession& session) {
  if (SolveRunning(session) || FindInputProblem(controls)) return {};
  const std::optional<JobValues> job = ReadJobValues(controls);
  const std::optional<DisplayInputs> display = ReadDisplayInputs(controls);
  if (!job || !display) return {};

  SolveRunMark mark(session);
  session.control.stopRequested.store(false, std::memory_order_relaxed);
  session.advice.clear();
  FillList(controls, session);
  LockWindow(controls);
  const bool pairs = controls.IsChecked(IDC_PAIRS_TOO);
  const unsigned processors = UsableProcessors(platform.LogicalProcessorCount());
  const AdviceJob advice{*job, *display, ReadStockGears(controls), session.method, processors};
  const AdviceProgress progress = [&controls](std::size_t done, std::size_t total) {
    controls.SetText(IDC_ADVICE_STATUS, ProgressText(done, total));
  };
  AdviceOutcome outcome;
  try {
    outcome = RunAdvice(platform, advice, pairs, processors, session.control, progress);
    session.advice = ListRows(controls, outcome, session.method);
  } catch (const std::bad_alloc&) {
    // Every thread has ended by now: the window is handed back, without
    // advice.
    session.advice.clear();
    outcome = {};
  }
  controls.SetText(IDC_ADVICE_STATUS, session.advice.empty() ? "" : OutcomeText(outcome));
  FillList(controls, session);
  Unlock(controls);
  return outcome;
}

void SortAdviceList(ControlAccess& controls, SolveSession& session, AdviceColumn column) {
  if (SolveRunning(session)) return;
  session.adviceSort = ClickColumnHead(session.adviceSort, static_cast<int>(column));
  FillList(controls, session);
}

std::optional<std::string> AdviceCopyText(const SolveSession& session) {
  if (session.advice.empty() || SolveRunning(session)) return std::nullopt;
  return AdviceTabText(session.advice, OrderOf(session));
}

void ClearAdvice(ControlAccess& controls, SolveSession& session) {
  if (SolveRunning(session) || session.advice.empty()) return;
  session.advice.clear();
  controls.SetListRows(IDC_ADVICE_LIST, {});
  controls.SetText(IDC_ADVICE_STATUS, "");
}

}  // namespace corvanta
