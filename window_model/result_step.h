// What one click on the result selector's arrows does.
#ifndef CORVANTA_WINDOW_MODEL_RESULT_STEP_H
#define CORVANTA_WINDOW_MODEL_RESULT_STEP_H

#include <optional>

namespace corvanta {

struct ResultStep {
  std::optional<int> show;  // the result to display, counted from 0
  bool beep = false;        // the simple beep: an end of the list was hit
};

// `position` is the selector's position before the click (results counted
// from 1), `delta` the click's +1 (right arrow) or -1 (left arrow), `count`
// the number of results. Stepping past the last result only beeps; stepping
// before the first shows the first again and beeps.
ResultStep StepResult(int position, int delta, int count);

}  // namespace corvanta

#endif
