// The two pages, the page commands, the "Save Settings" rule and dropping a
// result, on controls held in memory.
#include <gtest/gtest.h>

#include "app/clear_results.h"
#include "app/memory_controls.h"
#include "app/pages.h"
#include "resources/resource.h"

namespace corvanta {
namespace {

// A complete job and a result on display, as a Solve leaves them.
class PagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    controls_.SetText(IDC_INDEX_CONST, "30");
    controls_.SetText(IDC_FEED_CONST, "0.075");
    controls_.SetText(IDC_FEED_RATE, ".025");
    controls_.SetText(IDC_HELIX_ANGLE, "20");
    controls_.SetText(IDC_NORMAL_DIAMETRAL_PITCH, "10");
    for (int teeth = 1; teeth <= 40; ++teeth)
      controls_.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(teeth));
    controls_.Select(IDC_NUMBER_OF_TEETH, 19);
  }

  void ShowAResult() {
    for (ControlId id : ResultControls()) controls_.Show(id, true);
    controls_.SetText(IDC_C_LINE, "C: 71/2");
    controls_.SetText(IDC_LEAD_LINE, "Lead: 1.0");
    controls_.SetText(IDC_INDEX_UPPER_LEFT, "30");
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

TEST_F(PagesTest, ChangeGearsPageShowsOnlyTheStock) {
  ShowAResult();
  const int invalidated = controls_.InvalidateCount();
  ShowPage(controls_, kChangeGearsPage);
  EXPECT_TRUE(AllVisible(GearStockControls(), true));
  EXPECT_TRUE(AllVisible(MainPageControls(), false));
  EXPECT_TRUE(AllVisible(ResultControls(), false));
  EXPECT_EQ(controls_.InvalidateCount(), invalidated + 2);  // both fraction bars go
  EXPECT_EQ(GearStockControls().size(), 462u);
  EXPECT_EQ(MainPageControls().size(), 30u);
  EXPECT_EQ(ResultControls().size(), 16u);
}

TEST_F(PagesTest, MainPageBringsBackTheResultWithItsBars) {
  ShowAResult();
  ShowPage(controls_, kChangeGearsPage);
  controls_.Enable(IDC_SOLVE_BUTTON, false);
  const int invalidated = controls_.InvalidateCount();
  ShowPage(controls_, kMainPage);
  EXPECT_TRUE(AllVisible(GearStockControls(), false));
  EXPECT_TRUE(AllVisible(MainPageControls(), true));
  EXPECT_TRUE(AllVisible(ResultControls(), true));
  EXPECT_EQ(controls_.InvalidateCount(), invalidated + 2);
  // With a result on display the job is not re-validated.
  EXPECT_FALSE(controls_.IsEnabled(IDC_SOLVE_BUTTON));
}

TEST_F(PagesTest, MainPageWithoutAResultRevalidatesAndLeavesTheResultAreaAlone) {
  ShowPage(controls_, kChangeGearsPage);
  controls_.Enable(IDC_SOLVE_BUTTON, false);
  ShowPage(controls_, kMainPage);
  EXPECT_TRUE(AllVisible(MainPageControls(), true));
  EXPECT_TRUE(AllVisible(ResultControls(), false));
  EXPECT_TRUE(controls_.IsEnabled(IDC_SOLVE_BUTTON));

  controls_.SetText(IDC_HELIX_ANGLE, "89.91");
  ShowPage(controls_, kMainPage);
  EXPECT_FALSE(controls_.IsEnabled(IDC_SOLVE_BUTTON));
}

TEST_F(PagesTest, OtherPageNumbersChangeNothing) {
  for (int page : {0, 3, -1}) {
    ShowPage(controls_, page);
    EXPECT_EQ(controls_.InvalidateCount(), 0) << page;
  }
}

TEST_F(PagesTest, EachPageCommandGreysItselfAndEnablesTheOther) {
  PageCommand(controls_, kChangeGearsPage);
  EXPECT_FALSE(controls_.IsMenuCommandEnabled(IDM_CHANGE_GEARS_PAGE));
  EXPECT_TRUE(controls_.IsMenuCommandEnabled(IDM_MAIN_PAGE));
  PageCommand(controls_, kMainPage);
  EXPECT_TRUE(controls_.IsMenuCommandEnabled(IDM_CHANGE_GEARS_PAGE));
  EXPECT_FALSE(controls_.IsMenuCommandEnabled(IDM_MAIN_PAGE));
  PageCommand(controls_, kMainPage);  // again: page 1 redrawn, item stays grey
  EXPECT_FALSE(controls_.IsMenuCommandEnabled(IDM_MAIN_PAGE));
  EXPECT_TRUE(AllVisible(MainPageControls(), true));
}

TEST_F(PagesTest, SaveSettingsNeedsBothConstants) {
  struct Case {
    const char* index;
    const char* feed;
    bool enabled;
  };
  const Case cases[] = {{"30", "0.075", true},
                        {"", "0.075", false},
                        {"30", "", false},
                        {"", "", false},
                        {"x", ".", true}};
  for (const Case& c : cases) {
    controls_.SetText(IDC_INDEX_CONST, c.index);
    controls_.SetText(IDC_FEED_CONST, c.feed);
    controls_.SetText(IDC_FEED_RATE, "");  // the feed rate plays no part
    UpdateSaveSettingsItem(controls_);
    EXPECT_EQ(controls_.IsMenuCommandEnabled(IDM_SAVE_SETTINGS), c.enabled)
        << "\"" << c.index << "\" \"" << c.feed << "\"";
  }
}

TEST_F(PagesTest, ClearResultsEmptiesAndHidesTheResultButKeepsTheGeometry) {
  ShowAResult();
  const int invalidated = controls_.InvalidateCount();
  ClearResults(controls_, state_);
  for (ControlId id : {IDC_C_LINE, IDC_LEAD_LINE, IDC_INDEX_UPPER_LEFT})
    EXPECT_EQ(controls_.GetText(id, 100), "") << id;
  for (ControlId id :
       {IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION, IDC_RESULT_CAPTION, IDC_FEED_CAPTION})
    EXPECT_FALSE(controls_.IsVisible(id)) << id;
  EXPECT_EQ(controls_.InvalidateCount(), invalidated + 2);
  EXPECT_FALSE(controls_.IsMenuCommandEnabled(IDM_PRINT));
  EXPECT_TRUE(state_.results.empty());
  EXPECT_EQ(state_.results.capacity(), 0u);
  EXPECT_EQ(controls_.GetText(IDC_PITCH_DIAMETER_LINE, 100), "Transverse Pitch Dia.: 2.1284");
  EXPECT_FALSE(ResultOnDisplay(controls_));
}

}  // namespace
}  // namespace corvanta
