// The two pages: a result on display survives a visit to the change-gears
// page, and a page without one re-validates the job.
#include "window_model/pages.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/window_job.h"
#include "window_model/clear_results.h"

namespace corvanta {
namespace {

// A job whose result 1 has a C with no small fraction, so its "C: " line is
// empty: index constant 40, feed constant 12, feed rate .025, helix 6.60,
// pitch 2.5, 273 teeth, 5 hob threads, set-up row 3, every gear owned.
JobEntry EmptyCLineJob() {
  JobEntry job;
  job.settings = {"40", "12", ".025", std::string(kGearStockTextMaxLength, '1')};
  job.helixAngle = "6.60";
  job.normalPitch = "2.5";
  job.teeth = 273;
  job.hobThreads = "5";
  job.setupRow = 3;
  return job;
}

void RoundTrip(MemoryControls& controls) {
  PageCommand(controls, kChangeGearsPage);
  EXPECT_FALSE(controls.IsVisible(IDC_RESULT_CAPTION));
  PageCommand(controls, kMainPage);
}

TEST(ShowPage, AResultWithAnEmptyCLineComesBackAfterTheChangeGearsPage) {
  MemoryControls controls;
  SolveSession session;
  ThreadPlatform platform(2u);
  testing::SetSheetJob(controls, EmptyCLineJob());
  SolveCommand(controls, platform, session);
  ASSERT_FALSE(session.results.empty());
  ASSERT_EQ(controls.GetText(IDC_C_LINE, 100), "");
  ASSERT_EQ(controls.GetText(IDC_INDEX_UPPER_LEFT, 100), "97");

  RoundTrip(controls);
  EXPECT_TRUE(controls.ResultOnDisplay());
  EXPECT_TRUE(controls.IsVisible(IDC_RESULT_CAPTION));
  EXPECT_TRUE(controls.IsVisible(IDC_INDEX_UPPER_LEFT));
  EXPECT_TRUE(controls.IsVisible(IDC_RESULT_SELECTOR));
  EXPECT_FALSE(controls.IsEnabled(IDC_SOLVE_BUTTON));
  EXPECT_TRUE(controls.IsMenuCommandEnabled(IDM_PRINT));

  // Dropped by an edit: the page comes back without it, "&Solve" enabled.
  ClearResults(controls, session);
  RoundTrip(controls);
  EXPECT_FALSE(controls.ResultOnDisplay());
  EXPECT_FALSE(controls.IsVisible(IDC_RESULT_CAPTION));
  EXPECT_FALSE(controls.IsVisible(IDC_INDEX_UPPER_LEFT));
  EXPECT_TRUE(controls.IsEnabled(IDC_SOLVE_BUTTON));
}

}  // namespace
}  // namespace corvanta
