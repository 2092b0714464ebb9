// The results page's list: each row the main page's texts of that result
// cut into columns, and the sort of a real Solve's results.
#include "window_model/result_list.h"

#include <gtest/gtest.h>

#include "tests/support/worked_results.h"
#include "window_model/result_display.h"

namespace corvanta {
namespace {

std::string Joined(const ResultRow& row) {
  std::string text;
  for (const std::string& cell : row.cells) text += (text.empty() ? "" : " | ") + cell;
  return text + " | " + row.storedFeedError + " | " + row.storedC;
}

// The three worked results (their texts worked out in exact arithmetic):
// the C line's fraction, or C itself when the line is empty; the stored
// values as the search kept them, every digit to 30.
TEST(ResultList, EachRowIsThePagesTextsOfItsResult) {
  const std::string rows[] = {
      "1 | 30 x 35 / 36 x 34 | 35 x 47 / 85 x 53 | 35 | 33.5481409545 | 11.5569923794 | "
      "0.125790393245 | 0.0179519580 | 0.0207291355 | "
      "0.333333333333333333333333333333 | 35.500000000000000000000000000000",
      "1 | 60 x 71 / 18 x 16 | 35 x 47 / 85 x 53 | 71/2 | 1.9444228635 | 0.6877858020 | "
      "0.129161652967 | 0.0176991135 | 0.0204371759 | "
      "0.333333333333333333333333333333 | 35.500000000000000000000000000000",
      "1 | 121 x 157 / 16 x 16 | 35 x 47 / 85 x 53 | 1.6786250773 | 0.0459712251 | "
      "-0.5823473057 | -4.625589625088 | 0.3743054594 | 0.4322107154 | "
      "0.333333333333333333333333333333 | 35.500000000000000000000000000000",
  };
  for (std::size_t k = 0; k < std::size(rows); ++k) {
    MemoryControls controls;
    testing::EnterWorkedJob(controls, testing::kWorkedResults[k]);
    SolveSession session;
    session.results = {testing::WorkedSolveResult(
        testing::kWorkedResults[k], Decimal100(1) / Decimal100(3), Decimal100(71) / Decimal100(2))};
    const auto shown = ResultRowsOnPage(controls, session);
    ASSERT_TRUE(shown.has_value());
    ASSERT_EQ(shown->size(), 1u);
    EXPECT_EQ(Joined(shown->front()), rows[k]);
  }
}

// No rows while a Solve runs, nor for a page whose job cannot be evaluated.
TEST(ResultList, NoRowsWithoutAJobToEvaluate) {
  MemoryControls controls;
  testing::SetSheetJob(controls);
  SolveSession session;
  session.results.resize(1);
  session.running = true;
  EXPECT_FALSE(ResultRowsOnPage(controls, session).has_value());
  session.running = false;
  JobEntry job = testing::RegressionJob();
  job.normalPitch = "";
  EnterJob(controls, job);
  EXPECT_FALSE(ResultRowsOnPage(controls, session).has_value());
}

}  // namespace
}  // namespace corvanta
