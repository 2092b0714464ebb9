// The result display: every text of a result against exact arithmetic from
// its tooth counts.
#include "window_model/result_display.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/exact_display.h"
#include "tests/support/window_job.h"

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
    SCOPED_TRACE(&c - cases);
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
        0);
    const auto text = [&](ControlId id) { return controls.GetText(id, 1000); };
    EXPECT_EQ((std::array<std::string, 4>{text(IDC_INDEX_UPPER_LEFT), text(IDC_INDEX_UPPER_RIGHT),
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
    if (expected.feedError < 0) negative = text(IDC_FEED_ERROR_LINE).rfind("Feed Error: -", 0) == 0;
  }
  EXPECT_TRUE(negative) << "no case shows a negative feed error";
}
}  // namespace
}  // namespace corvanta
