// The job validation, and the Solve driver on in-memory controls with a
// scripted platform.
#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <thread>
#include <vector>

#include "numeric/number_text.h"
#include "resources/resource.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/window_job.h"
#include "window_model/control_roles.h"
#include "window_model/solve_driver.h"
#include "window_model/validate_inputs.h"

namespace corvanta {
namespace {

using testing::ScriptedPlatform;

// Bounds just inside and just outside; texts as a field may hold them, and
// texts it holds only when they come from elsewhere.
TEST(ValidateInputs, EachFieldAtBothEndsOfItsRange) {
  const std::vector<std::tuple<ControlId, std::string, bool>> cases = {
      {IDC_INDEX_CONST, "120", true},
      {IDC_INDEX_CONST, "121", false},
      {IDC_FEED_CONST, "90.0001", false},
      {IDC_HELIX_ANGLE, "89.91", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.35", true},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.349", false},
      {IDC_FEED_RATE, "0.1001", false},
      // Typed texts read as atof reads them: empty and "." are 0.
      {IDC_FEED_CONST, "", true},
      {IDC_FEED_RATE, ".", true},
      // Texts no typing gives, as a damaged settings file may hold them:
      // refused even where atof reads a value in range from their start.
      {IDC_FEED_CONST, "1e-400", false},
      {IDC_FEED_CONST, "12abc", false},
      {IDC_FEED_CONST, std::string("\x01\xFF\0\x1B[2J", 7), false},
      {IDC_INDEX_CONST, "+30", false},
      // Set by its spinner alone, but another program can write any text.
      {IDC_HOB_THREADS, "24", true},
      {IDC_HOB_THREADS, "25", false},
      {IDC_HOB_THREADS, "0", false},
      {IDC_HOB_THREADS, "x", false}};
  for (const auto& [field, text, passes] : cases) {
    MemoryControls controls;
    EnterJob(controls, testing::RegressionJob());
    controls.Enable(IDC_SOLVE_BUTTON, !passes);
    controls.SetText(field, text);
    EXPECT_EQ(ValidateInputs(controls), passes) << field << " \"" << text << "\"";
    EXPECT_EQ(controls.IsEnabled(IDC_SOLVE_BUTTON), passes) << field << " " << text;
    const auto problem = FindInputProblem(controls);
    EXPECT_EQ(problem ? problem->control : 0, passes ? 0 : field) << field << " " << text;
  }
}

// The regression job on a stock of 20 to 55 teeth: 34 candidates.
const std::string kSmallStock = std::string(4, '0') + std::string(36, '1') + "0";
void SetSmallJob(MemoryControls& controls, const std::string& stock = kSmallStock) {
  JobEntry job = testing::RegressionJob();
  job.settings.gearStockText = stock;
  EnterJob(controls, job);
}

// The command for a job the validation refuses, as another program can send
// it past the greyed button (Wine delivers a click on it) or after forcing
// "Hob Threads:" past its spinner: nothing is searched, locked or cleared.
TEST(SolveCommand, AJobTheValidationRefusesIsNotSearched) {
  for (const auto& [field, text] : std::vector<std::pair<ControlId, std::string>>{
           {IDC_HOB_THREADS, "0"}, {IDC_INDEX_CONST, "0"}, {IDC_HELIX_ANGLE, ""}}) {
    MemoryControls controls;
    EnterJob(controls, testing::RegressionJob());
    controls.SetText(field, text);
    ScriptedPlatform platform(1);
    SolveSession session;
    const SolveOutcome outcome = SolveCommand(controls, platform, session);
    EXPECT_FALSE(outcome.ran) << field;
    EXPECT_EQ(outcome.workersStarted, 0u);
    EXPECT_TRUE(session.results.empty());
    EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON) && controls.IsMenuBarItemEnabled(0));
    EXPECT_EQ(controls.TextWrites(IDC_C_LINE), 0);
  }
}

// While the workers run the window is locked, its greyed menu bar drawn, and
// a second Solve refused; Escape held once 12 candidates are done: the
// matches found so far are kept, ordered and shown, under the menu bar drawn
// enabled again.
TEST(RunSolve, AStopBeforeAnyProgressTextKeepsTheMatchesFoundSoFar) {
  MemoryControls controls;
  EnterJob(controls, testing::RegressionJob());
  ScriptedPlatform platform(1), second(1);
  SolveSession session;
  session.method = SearchMethod::kLiteral;  // slow enough for the stop key to find it running
  platform.stopKey = [&] {
    for (ControlId id : ControlLockSet()) EXPECT_FALSE(controls.IsEnabled(id)) << id;
    EXPECT_FALSE(controls.IsMenuBarItemEnabled(0));
    EXPECT_EQ(controls.MenuBarAsDrawn(), std::vector<bool>(7, false));
    EXPECT_FALSE(SolveCommand(controls, second, session).ran);
    return session.control.progressCounter.load() > 12;
  };
  const SolveOutcome outcome = SolveCommand(controls, platform, session);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_GE(platform.alerts, 1);
  EXPECT_LT(session.control.progressCounter.load(), 100u);
  const std::vector<SolveResult>& results = session.results;
  ASSERT_FALSE(results.empty());
  for (std::size_t k = 1; k < results.size(); ++k)
    EXPECT_LE(results[k - 1].feedError, results[k].feedError);
  EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON));
  EXPECT_EQ(controls.MenuBarAsDrawn(), std::vector<bool>(7, true));
  EXPECT_FALSE(controls.GetText(IDC_LEAD_LINE, 100).empty());
}

// The window destroyed during the wait (which frees the results), the pump
// seeing a shutdown, out of memory starting the second worker, no gear in
// stock, or a feed constant of "12abc", which the C library reads as 12 but
// the 100-digit parser refuses ("&Solve" stays disabled for it, and the
// command refuses it, so RunSolve is called directly): the run still waits
// for its workers (they hold references into it), leaves no results where
// it must, and hands the window back unlocked. Every message is dispatched
// to a locked window.
TEST(RunSolve, EndingEarlyStillWaitsAndUnlocks) {
  enum class End { kDestroyed, kShutdown, kOutOfMemory, kNoStock, kNoNumber };
  const struct {
    End end;
    bool failed, stopped, noResults;
  } cases[] = {{End::kDestroyed, false, true, true},
               {End::kShutdown, false, true, false},  // what it found before the stop
               {End::kOutOfMemory, true, true, true},
               {End::kNoStock, false, false, true},
               {End::kNoNumber, false, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.end));
    MemoryControls controls;
    SetSmallJob(controls, c.end == End::kNoStock ? "0" : kSmallStock);
    if (c.end == End::kNoNumber) controls.SetText(IDC_FEED_CONST, "12abc");
    controls.Enable(IDC_SOLVE_BUTTON, true);  // as the validation leaves it
    ScriptedPlatform platform(3);
    SolveSession session;
    session.method = SearchMethod::kLiteral;  // still running when the pump first runs
    int starts = 0;
    platform.startWorker = [&] {
      return c.end == End::kOutOfMemory && ++starts == 2 ? throw std::bad_alloc() : true;
    };
    platform.pump = [&] {
      for (ControlId id : ControlLockSet()) EXPECT_FALSE(controls.IsEnabled(id)) << id;
      if (c.end == End::kDestroyed) {
        ReleaseSolveResults(session);
        EXPECT_TRUE(SolveRunning(session));
      }
      return c.end != End::kShutdown;
    };
    const SolveOutcome outcome = c.end == End::kNoNumber
                                     ? RunSolve(controls, platform, session)
                                     : SolveCommand(controls, platform, session);
    EXPECT_EQ(std::pair(outcome.failed, outcome.stopped), std::pair(c.failed, c.stopped));
    EXPECT_LT(session.control.progressCounter.load(), 34u);
    EXPECT_EQ(platform.RunningWorkers(), 0u);
    if (c.noResults) {
      EXPECT_TRUE(session.results.empty());
    }
    EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON) && controls.IsMenuBarItemEnabled(0));
    EXPECT_FALSE(controls.IsEnabled(IDC_SOLVE_BUTTON));  // locked, as every run is
    EXPECT_FALSE(SolveRunning(session));
    if (c.end >= End::kNoStock) {
      EXPECT_TRUE(outcome.ran);
      EXPECT_EQ(outcome.candidates + outcome.workersStarted, 0u);
      EXPECT_TRUE(controls.IsVisible(IDC_RESULT_CAPTION) &&
                  controls.IsMenuCommandEnabled(IDM_PRINT));
    }
  }
}

// Progress texts that a worker cannot hand over: out of memory inside the
// worker's own search.
class OutOfMemoryInAWorker : public MemoryControls {
 public:
  void SetText(ControlId id, std::string_view text) override {
    if (id == IDC_C_LINE && std::this_thread::get_id() != window_ && !thrown_.exchange(true))
      throw std::bad_alloc();
    MemoryControls::SetText(id, text);
  }

 private:
  const std::thread::id window_ = std::this_thread::get_id();
  std::atomic<bool> thrown_{false};
};

// A worker the system cannot start has its range searched on the Solve's
// own thread: the same results. Out of memory inside one worker (at its
// first progress text, after 100 candidates) loses only its matches, and
// the outcome says so. Either way the window is unlocked.
TEST(RunSolve, AWorkerThatCannotStartOrRunsOutOfMemory) {
  const auto solve = [](MemoryControls& controls, const std::string& stock, bool secondStarts) {
    SetSmallJob(controls, stock);
    ScriptedPlatform platform(3);
    int starts = 0;
    platform.startWorker = [&] { return ++starts != 2 || secondStarts; };
    SolveSession session;
    const SolveOutcome outcome = SolveCommand(controls, platform, session);
    EXPECT_EQ(platform.RunningWorkers(), 0u);
    EXPECT_TRUE(controls.IsEnabled(IDC_EXIT_BUTTON) && controls.IsMenuBarItemEnabled(0));
    std::vector<std::string> errors;
    for (const SolveResult& r : session.results) errors.push_back(FixedText(r.feedError, 40));
    return std::pair(outcome, errors);
  };
  MemoryControls plain, noThread;
  const auto [plainRun, allErrors] = solve(plain, kSmallStock, true);
  const auto [inlineRun, inlineErrors] = solve(noThread, kSmallStock, false);
  ASSERT_FALSE(plainRun.failed || plainRun.stopped || allErrors.empty());
  EXPECT_FALSE(inlineRun.failed || inlineRun.stopped);
  EXPECT_EQ(inlineErrors, allErrors);

  OutOfMemoryInAWorker outOfMemory;  // 112 candidates: stock of 25 to 75 teeth
  const auto [failedRun, failedErrors] =
      solve(outOfMemory, std::string(9, '0') + std::string(51, '1') + "0", true);
  EXPECT_TRUE(failedRun.failed);
  EXPECT_FALSE(failedErrors.empty());
}

}  // namespace
}  // namespace corvanta
