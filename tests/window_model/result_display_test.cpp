// The result display: every text of a result against exact arithmetic from
// its tooth counts, with C from either search's bisection.
#include "window_model/result_display.h"

#include <gtest/gtest.h>

#include <functional>

#include "resources/resource.h"
#include "search/search_state.h"
#include "tests/support/exact_display.h"
#include "tests/support/search_job.h"
#include "tests/support/window_job.h"
#include "window_model/clear_results.h"
#include "window_model/fraction_bars.h"
#include "window_model/pages.h"

namespace corvanta {
namespace {

using testing::Rational;

TEST(ShowResult, EveryTextAsExactArithmeticGivesIt) {
  struct Case {
    int teeth, setupRow;  // row 0 has the sign -1, row 1 +1
    testing::Trains trains;
    const char* cLine;
  };
  const Case cases[] = {
      // C exactly 35, every part of the index equation whole at k = 1.
      {35, 0, {{85, 53}, {47, 35}, {36, 34}, {35, 30}}, "C: 35"},
      // C = 71/2, first found at k = 4 (142/4), shown reduced.
      {2, 1, {{85, 53}, {47, 35}, {18, 16}, {71, 60}}, "C: 71/2"},
      // C = 18997/11317: no k up to 9999 works.
      {1, 0, {{85, 53}, {47, 35}, {16, 16}, {157, 121}}, ""},
      // The regression job's index train with a feed train slower than its C asks for.
      {40, 0, {{85, 53}, {46, 35}, {69, 62}, {73, 44}}, "C: 803/35"},
  };
  bool negative = false;
  for (const Case& c : cases) {
    for (const SearchMethod method : {SearchMethod::kFast, SearchMethod::kLiteral}) {
      SCOPED_TRACE(std::to_string(&c - cases) +
                   (method == SearchMethod::kFast ? " fast" : " literal"));
      JobEntry job = testing::RegressionJob();
      job.teeth = c.teeth;
      job.setupRow = c.setupRow;
      MemoryControls controls;
      EnterJob(controls, job);
      const testing::ExactJob exact{30, {3, 40}, c.teeth, 1, c.setupRow == 0 ? -1 : +1};
      const testing::ExactDisplay expected = testing::ExpectDisplay(exact, c.trains);

      const auto pair = [](const std::array<int, 2>& p) {
        return ToothPair{static_cast<std::uint16_t>(p[0]), static_cast<std::uint16_t>(p[1])};
      };
      const testing::Trains& t = c.trains;
      ShowResult(
          controls,
          {SolveResult{pair(t.feedDenominator), pair(t.feedNumerator), pair(t.indexDenominator),
                       pair(t.indexNumerator), Decimal100(0), Decimal100(0)}},
          0, method);
      const auto text = [&](ControlId id) { return controls.GetText(id, 1000); };
      EXPECT_EQ(
          (std::array<std::string, 4>{text(IDC_INDEX_UPPER_LEFT), text(IDC_INDEX_UPPER_RIGHT),
                                      text(IDC_INDEX_LOWER_LEFT), text(IDC_INDEX_LOWER_RIGHT)}),
          expected.indexCells);
      EXPECT_EQ((std::array<std::string, 4>{text(IDC_FEED_UPPER_LEFT), text(IDC_FEED_UPPER_RIGHT),
                                            text(IDC_FEED_LOWER_LEFT), text(IDC_FEED_LOWER_RIGHT)}),
                expected.feedCells);
      EXPECT_EQ(text(IDC_C_LINE), c.cLine);
      EXPECT_EQ(text(IDC_INDEX_ERROR_LINE), expected.indexErrorLine);
      EXPECT_EQ(text(IDC_FEED_ERROR_LINE), expected.feedErrorLine);
      EXPECT_EQ(text(IDC_ACTUAL_FEED_TEXT), expected.actualFeedText);
      EXPECT_EQ(text(IDC_LEAD_LINE), expected.leadLine);
      if (expected.feedError < 0)
        negative = text(IDC_FEED_ERROR_LINE).rfind("Feed Error: -", 0) == 0;
    }
  }
  EXPECT_TRUE(negative) << "no case shows a negative feed error";
}

// Each bar is repainted over the pixels it is drawn on, with erasing only
// where it may disappear: a shown result draws over the background or over
// its own bars.
TEST(FractionBars, RepaintedWhereDrawnErasedOnlyWhereTheyGoAway) {
  using Repaint = MemoryControls::Repaint;
  const auto bars = [](bool erase) {
    return std::vector<Repaint>{{83, 435, 155, 437, erase}, {362, 435, 436, 437, erase}};
  };
  MemoryControls controls;
  testing::SetSheetJob(controls);
  SearchState state;
  const struct {
    const char* step;
    std::function<void()> run;
    bool erase;
  } steps[] = {
      {"show",
       [&] {
         ShowResult(controls, {testing::MakeResult({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41")},
                    0, SearchMethod::kFast);
       },
       false},
      {"page 2", [&] { ShowPage(controls, kChangeGearsPage); }, true},
      {"page 1", [&] { ShowPage(controls, kMainPage); }, true},
      {"clear", [&] { ClearResults(controls, state); }, true},
  };
  for (const auto& step : steps) {
    step.run();
    EXPECT_EQ(controls.TakeRepaints(), bars(step.erase)) << step.step;
  }
  // The rectangles are the ones the window draws the lines from.
  const std::pair<int, int> lines[] = {{84, 154}, {363, 435}};
  for (std::size_t i = 0; i < kFractionBars.size(); ++i) {
    EXPECT_EQ(std::pair(kFractionBars[i].LineFromX(), kFractionBars[i].LineToX()), lines[i]);
    EXPECT_EQ(kFractionBars[i].LineY(), 436);
  }
}
}  // namespace
}  // namespace corvanta
