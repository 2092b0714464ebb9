// The result display: every text of a result as exact arithmetic gives it,
// with C from either search's bisection. (The fraction bars are checked on
// the real window's pixels.)
#include "window_model/result_display.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/worked_results.h"
#include "window_model/solve_session.h"

namespace corvanta {
namespace {

// Every text of the three worked results, as exact arithmetic gives them.
TEST(ShowResult, EveryTextAsExactArithmeticGivesIt) {
  for (const testing::WorkedResult& c : testing::kWorkedResults) {
    for (const SearchMethod method : {SearchMethod::kFast, SearchMethod::kLiteral}) {
      MemoryControls controls;
      testing::EnterWorkedJob(controls, c);
      ShowResult(controls, {testing::WorkedSolveResult(c)}, 0, method);
      const auto text = [&](ControlId id) { return controls.GetText(id, 1000); };
      const auto cells = [&](ControlId upperLeft, ControlId upperRight, ControlId lowerLeft,
                             ControlId lowerRight) {
        return text(upperLeft) + " " + text(upperRight) + " / " + text(lowerLeft) + " " +
               text(lowerRight);
      };
      const std::string texts = cells(IDC_INDEX_UPPER_LEFT, IDC_INDEX_UPPER_RIGHT,
                                      IDC_INDEX_LOWER_LEFT, IDC_INDEX_LOWER_RIGHT) +
                                " | " +
                                cells(IDC_FEED_UPPER_LEFT, IDC_FEED_UPPER_RIGHT,
                                      IDC_FEED_LOWER_LEFT, IDC_FEED_LOWER_RIGHT) +
                                " | " + text(IDC_C_LINE) + " | " + text(IDC_INDEX_ERROR_LINE) +
                                " | " + text(IDC_FEED_ERROR_LINE) + " | " +
                                text(IDC_ACTUAL_FEED_TEXT) + " | " + text(IDC_LEAD_LINE);
      EXPECT_EQ(texts, c.texts) << (method == SearchMethod::kFast ? "fast" : "literal");
    }
  }
}

}  // namespace
}  // namespace corvanta
