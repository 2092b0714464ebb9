// Three results of the regression job whose every shown text has been
// worked out in exact rational arithmetic from the tooth counts (sin 30 =
// 1/2, C from Ki T C / (C N + s) = P / Q) by tests/support/golden_texts.py,
// which CTest runs to hold these texts to it.
#ifndef CORVANTA_TESTS_SUPPORT_WORKED_RESULTS_H
#define CORVANTA_TESTS_SUPPORT_WORKED_RESULTS_H

#include <array>
#include <cstdint>

#include "tests/support/window_job.h"

namespace corvanta::testing {

struct WorkedResult {
  int teeth, setupRow;                   // row 0 has the sign -1, row 1 +1
  std::array<std::uint16_t, 8> teethOf;  // feed Q, feed P, index Q, index P
  // Cells, C, index error, feed error, actual feed, lead, as the main page
  // shows them.
  const char* texts;
};

inline constexpr WorkedResult kWorkedResults[] = {
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
    // C = 18997/11317: no k up to 9999 works, so the C line is empty.
    {1,
     0,
     {85, 53, 47, 35, 16, 16, 157, 121},
     "121 157 / 16 16 | 35 47 / 85 53 |  | Index Error: None | Feed Error: -4.625589625088 | "
     "Actual Feed From C: 0.3743054594 Along Helix Angle: 0.4322107154 | "
     "Lead: 0.0459712251 (Error: -0.5823473057)"},
};

// The job of `worked` in controls made fresh for it.
inline void EnterWorkedJob(MemoryControls& controls, const WorkedResult& worked) {
  JobEntry job = RegressionJob();
  job.teeth = worked.teeth;
  job.setupRow = worked.setupRow;
  EnterJob(controls, job);
}

// The result of `worked`, with the stored feed error and C given.
inline SolveResult WorkedSolveResult(const WorkedResult& worked, const Decimal100& feedError = 0,
                                     const Decimal100& c = 0) {
  const auto& t = worked.teethOf;
  return {{t[0], t[1]}, {t[2], t[3]}, {t[4], t[5]}, {t[6], t[7]}, feedError, c};
}

}  // namespace corvanta::testing

#endif
