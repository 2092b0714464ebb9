// The two pages and dropping a result, on controls held in memory.
#include <gtest/gtest.h>

#include "app/clear_results.h"
#include "app/memory_controls.h"
#include "app/pages.h"
#include "resources/resource.h"

namespace corvanta {
namespace {

// A complete job with a result on display, as a Solve leaves them.
class PagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::pair<ControlId, const char*> job[] = {
        {IDC_INDEX_CONST, "30"}, {IDC_FEED_CONST, "0.075"},        {IDC_FEED_RATE, ".025"},
        {IDC_HELIX_ANGLE, "20"}, {IDC_NORMAL_DIAMETRAL_PITCH, "10"}};
    for (const auto& [id, text] : job) controls_.SetText(id, text);
    for (int teeth = 1; teeth <= 40; ++teeth)
      controls_.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(teeth));
    controls_.Select(IDC_NUMBER_OF_TEETH, 19);
    for (ControlId id : ResultControls()) controls_.Show(id, true);
    controls_.SetText(IDC_C_LINE, "C: 71/2");
    controls_.SetText(IDC_PITCH_DIAMETER_LINE, "Transverse Pitch Dia.: 2.1284");
    controls_.EnableMenuCommand(IDM_PRINT, true);
    state_.results.resize(3);
  }

  bool AllVisible(const std::vector<ControlId>& ids, bool visible) {
    for (ControlId id : ids)
      if (controls_.IsVisible(id) != visible) return false;
    return true;
  }

  MemoryControls controls_;
  SearchState state_;
};

TEST_F(PagesTest, PagesSwapTheControlsAndTheResultComesBackWithItsBars) {
  int invalidated = controls_.InvalidateCount();
  ShowPage(controls_, kChangeGearsPage);
  EXPECT_TRUE(AllVisible(GearStockControls(), true));
  EXPECT_TRUE(AllVisible(MainPageControls(), false));
  EXPECT_TRUE(AllVisible(ResultControls(), false));
  EXPECT_EQ(controls_.InvalidateCount(), invalidated + 2);  // both fraction bars go
  controls_.Enable(IDC_SOLVE_BUTTON, false);
  invalidated = controls_.InvalidateCount();
  ShowPage(controls_, kMainPage);
  EXPECT_TRUE(AllVisible(GearStockControls(), false));
  EXPECT_TRUE(AllVisible(MainPageControls(), true));
  EXPECT_TRUE(AllVisible(ResultControls(), true));
  EXPECT_EQ(controls_.InvalidateCount(), invalidated + 2);
  EXPECT_FALSE(controls_.IsEnabled(IDC_SOLVE_BUTTON));  // a result: no re-validation
}

TEST_F(PagesTest, ClearResultsEmptiesAndHidesTheResultButKeepsTheGeometry) {
  const int invalidated = controls_.InvalidateCount();
  ClearResults(controls_, state_);
  EXPECT_EQ(controls_.GetText(IDC_C_LINE, 100), "");
  EXPECT_TRUE(AllVisible(
      {IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION, IDC_RESULT_CAPTION, IDC_FEED_CAPTION}, false));
  EXPECT_EQ(controls_.InvalidateCount(), invalidated + 2);
  EXPECT_FALSE(controls_.IsMenuCommandEnabled(IDM_PRINT));
  EXPECT_TRUE(state_.results.empty());
  EXPECT_EQ(state_.results.capacity(), 0u);
  EXPECT_EQ(controls_.GetText(IDC_PITCH_DIAMETER_LINE, 100), "Transverse Pitch Dia.: 2.1284");
  EXPECT_FALSE(ResultOnDisplay(controls_));
}

}  // namespace
}  // namespace corvanta
