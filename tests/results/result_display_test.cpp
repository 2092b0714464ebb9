// The result display: every text of a result against exact arithmetic from
// its tooth counts (search/search_test_support.h).
#include <gtest/gtest.h>

#include "numeric/constants.h"
#include "results/result_display.h"
#include "search/search_test_support.h"

namespace corvanta {
namespace {

using testing::Rational;

TEST(ShowResult, EveryTextAsExactArithmeticGivesIt) {
  struct Case {
    int teeth, row;  // row 0 has the sign -1, row 1 +1
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
    testing::Job job;
    job.teeth = c.teeth, job.row = c.row;
    MemoryControls controls;
    testing::SetJob(controls, job);
    testing::ExactJob exact;
    exact.teeth = c.teeth, exact.sign = c.row == 0 ? -1 : +1;
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

TEST(ActualFeedText, TheLastShownDecimalIsCutNotRounded) {
  // 0.025 / cos 30 = 0.0288675134595...: 11 decimals round to ...346, shown ...34.
  const Decimal100 actual("0.025");
  EXPECT_EQ(ActualFeedText(actual, actual / cos(DegreesToRadians(Decimal100(30)))),
            "Actual Feed From C: 0.0250000000 Along Helix Angle: 0.0288675134");
}

}  // namespace
}  // namespace corvanta
