// Whether the job on the main page is complete, which decides whether
// "&Solve" may be pressed.
#ifndef CORVANTA_WINDOW_MODEL_VALIDATE_INPUTS_H
#define CORVANTA_WINDOW_MODEL_VALIDATE_INPUTS_H

#include <optional>
#include <string>
#include <string_view>

#include "window_model/control_access.h"

namespace corvanta {

// "Number of Teeth:" offers 1 to kTeethMax; "Hob Threads:" holds 1 to
// kHobThreadsMax, set by its spinner.
inline constexpr int kTeethMax = 500;
inline constexpr int kHobThreadsMax = 24;

// Characters of a numeric field that the range checks look at (a read into a
// buffer of 59).
inline constexpr std::size_t kValidatedFieldChars = 58;

// The first test the job fails, for the operator: the control, its label and
// what it accepts.
struct InputProblem {
  ControlId control = 0;
  std::string field;     // "Helix Angle:"
  std::string accepted;  // "0.000001 to 89.9"
};

// The tests in their fixed order: "Index Const:" 1 to 120, "Feed Const:" 0
// to 90, "Helix Angle:" 1e-6 to 89.9, "Normal Diametral Pitch:" 0.35 to
// 360, "Feed Rate:" 0 to 0.1 (each read as the C library's atof reads it,
// so an empty text counts as 0 and a NaN fails; a text that is not digits
// with at most one point fails whatever its value), then a selection in
// "Number of Teeth:", then "Hob Threads:" a whole number from 1 to
// kHobThreadsMax (only its spinner sets it, but another program can set
// any text), then "E&xit" enabled (it is disabled exactly while a search or
// a print runs). nullopt when every test passes.
std::optional<InputProblem> FindInputProblem(const ControlAccess& controls);

// The range of a numeric field's test as the operator reads it ("1 to 120"),
// "" for a control that is no numeric field.
std::string_view FieldRangeText(ControlId field);

// Enables "&Solve" exactly when FindInputProblem finds nothing, disables it
// otherwise; returns the new state.
bool ValidateInputs(ControlAccess& controls);

}  // namespace corvanta

#endif
