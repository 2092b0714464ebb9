// The gear-advice page on in-memory controls: the window locked while the
// advice runs, and Escape. (The real window's tests drive both list pages
// and hold their rows against corvanta-solve's.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/window_job.h"
#include "window_model/advice_page.h"
#include "window_model/control_roles.h"
#include "window_model/pages.h"

namespace corvanta {
namespace {

using testing::ScriptedPlatform;

// While the advice runs the window is locked as for a Solve, and neither a
// Solve nor a second advice starts; Escape keeps the rows done, and the
// window comes back with the result it had on display.
TEST(AdvicePage, LocksTheWindowAndStopsOnEscape) {
  MemoryControls controls;
  EnterJob(controls, testing::RegressionJob());
  PageCommand(controls, kMainPage);
  SolveSession session;
  ThreadPlatform solver(2u);
  SolveCommand(controls, solver, session);
  const std::string lead = controls.GetText(IDC_LEAD_LINE, 200);
  ASSERT_FALSE(controls.IsEnabled(IDC_ADVISE_BUTTON));  // locked by the Solve
  PageCommand(controls, kGearAdvicePage);
  ASSERT_TRUE(controls.IsEnabled(IDC_ADVISE_BUTTON));
  controls.SetChecked(IDC_PAIRS_TOO, true);
  ScriptedPlatform platform(1), second(1);
  int checks = 0;
  platform.stopKey = [&] {
    if (checks++ == 0) {
      for (ControlId id : ControlLockSet()) EXPECT_FALSE(controls.IsEnabled(id)) << id;
      EXPECT_EQ(controls.MenuBarAsDrawn(), std::vector<bool>(7, false));
      EXPECT_EQ(AdviseCommand(controls, second, session).tried, 0u);
      EXPECT_FALSE(SolveCommand(controls, second, session).ran);
    }
    // From the third stock on: the text may pass several stocks between two looks.
    const std::string status = controls.GetText(IDC_ADVICE_STATUS, 200);
    return status.rfind("Searching stock ", 0) == 0 && std::stoul(status.substr(16)) >= 3;
  };
  const AdviceOutcome outcome = AdviseCommand(controls, platform, session);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_GT(outcome.tried, 4000u);
  EXPECT_EQ(controls.ListRowCount(IDC_ADVICE_LIST), static_cast<int>(outcome.rows.size()));
  EXPECT_EQ(controls.GetText(IDC_ADVICE_STATUS, 200).rfind("Stopped early: ", 0), 0u);
  for (ControlId id : UnlockedAfterSolve()) EXPECT_TRUE(controls.IsEnabled(id)) << id;
  EXPECT_TRUE(controls.IsEnabled(IDC_RESULT_SELECTOR));
  EXPECT_TRUE(controls.IsEnabled(IDC_ADVISE_BUTTON));
  EXPECT_EQ(controls.GetText(IDC_LEAD_LINE, 200), lead);
  EXPECT_TRUE(controls.IsMenuCommandEnabled(IDM_RESULTS_PAGE));
  EXPECT_FALSE(controls.IsMenuCommandEnabled(IDM_GEAR_ADVICE_PAGE));
}

}  // namespace
}  // namespace corvanta
