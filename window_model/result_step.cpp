#include "window_model/result_step.h"

namespace corvanta {

ResultStep StepResult(int position, int delta, int count) {
  // Positions outside 1 .. count cannot come from the selector's own range;
  // they are ignored rather than turned into a result that does not exist.
  // Position 1 with the left arrow is the exception: it redisplays result 0,
  // which the display also handles for an empty list.
  if (delta == 1 && position >= 1 && position < count) return {position, false};
  if (delta == 1 && position >= 1 && position == count) return {std::nullopt, true};
  if (delta == -1 && position > 1 && position <= count) return {position - 2, false};
  if (delta == -1 && position == 1) return {0, true};
  return {};
}

}  // namespace corvanta
