// What one click on the result selector shows, and where it beeps.
#include <gtest/gtest.h>

#include "app/result_step.h"

namespace corvanta {
namespace {

TEST(ResultStepTest, ArrowsStepThroughTheListAndBeepAtItsEnds) {
  struct Case {
    int position, delta, count;
    std::optional<int> show;
    bool beep;
  };
  const Case cases[] = {
      {1, +1, 3, 1, false},  // right arrow: the next result
      {2, +1, 3, 2, false},
      {3, +1, 3, std::nullopt, true},  // on the last: beep, keep it
      {3, -1, 3, 1, false},            // left arrow: the previous result
      {2, -1, 3, 0, false},
      {1, -1, 3, 0, true},             // on the first: show it again, beep
      {1, +1, 1, std::nullopt, true},  // a list of one
      {1, -1, 1, 0, true},
      {1, -1, 0, 0, true},  // empty list: the display copes
      {1, +1, 0, std::nullopt, false},
      {1, +2, 3, std::nullopt, false},  // any other delta does nothing
      {2, 0, 3, std::nullopt, false},
      {0, +1, 3, std::nullopt, false},  // positions outside the range
      {5, -1, 3, std::nullopt, false},
  };
  for (const Case& c : cases) {
    const ResultStep step = StepResult(c.position, c.delta, c.count);
    EXPECT_EQ(step.show, c.show) << c.position << " " << c.delta << " of " << c.count;
    EXPECT_EQ(step.beep, c.beep) << c.position << " " << c.delta << " of " << c.count;
  }
}

}  // namespace
}  // namespace corvanta
