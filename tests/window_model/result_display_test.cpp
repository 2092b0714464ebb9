// The result display: every text of a result as exact arithmetic gives it,
// with C from either search's bisection. (The fraction bars are checked on
// the real window's pixels.)
#include "window_model/result_display.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "tests/support/window_job.h"
#include "window_model/solve_session.h"

namespace corvanta {
namespace {

// Index constant 30, feed constant 0.075, pitch 10, helix 30: each text
// worked out in exact rational arithmetic from the tooth counts (sin 30 =
// 1/2, C from Ki T C / (C N + s) = P / Q) by tests/support/golden_texts.py,
// which CTest runs to hold these texts to it.
TEST(ShowResult, EveryTextAsExactArithmeticGivesIt) {
  struct Case {
    int teeth, setupRow;                   // row 0 has the sign -1, row 1 +1
    std::array<std::uint16_t, 8> teethOf;  // feed Q, feed P, index Q, index P
    std::string texts;                     // cells, C, index error, feed error, actual feed, lead
  };
  const Case cases[] = {
      // C exactly 35, every part of the index equation whole at k = 1.
      {35,
       0,
       {85, 53, 47, 35, 36, 34, 35, 30},
       "30 35 / 36 34 | 35 47 / 85 53 | C: 35 | Index Error: None | Feed Error: 0.125790393245 | "
       "Actual Feed From C: 0.0179519580 Along Helix Angle: 0.0207291355 | "
       "Lead: 33.5481409545 (Error: 11.5569923794)"},
      // C = 71/2, first found at k = 4 (142/4), shown reduced.
      {2,
       1,
       {85, 53, 47, 35, 18, 16, 71, 60},
       "60 71 / 18 16 | 35 47 / 85 53 | C: 71/2 | Index Error: None | Feed Error: 0.129161652967 | "
       "Actual Feed From C: 0.0176991135 Along Helix Angle: 0.0204371759 | "
       "Lead: 1.9444228635 (Error: 0.6877858020)"},
      // C = 18997/11317: no k up to 9999 works.
      {1,
       0,
       {85, 53, 47, 35, 16, 16, 157, 121},
       "121 157 / 16 16 | 35 47 / 85 53 |  | Index Error: None | Feed Error: -4.625589625088 | "
       "Actual Feed From C: 0.3743054594 Along Helix Angle: 0.4322107154 | "
       "Lead: 0.0459712251 (Error: -0.5823473057)"},
  };
  for (const Case& c : cases) {
    for (const SearchMethod method : {SearchMethod::kFast, SearchMethod::kLiteral}) {
      JobEntry job = testing::RegressionJob();
      job.teeth = c.teeth;
      job.setupRow = c.setupRow;
      MemoryControls controls;
      EnterJob(controls, job);
      const auto& t = c.teethOf;
      const SolveResult result{{t[0], t[1]}, {t[2], t[3]}, {t[4], t[5]}, {t[6], t[7]}, 0, 0};
      ShowResult(controls, {result}, 0, method);
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
