// Whether the job on the main page is complete, which decides whether
// "&Solve" may be pressed.
#ifndef CORVANTA_WINDOW_MODEL_VALIDATE_INPUTS_H
#define CORVANTA_WINDOW_MODEL_VALIDATE_INPUTS_H

#include <optional>
#include <string>

#include "window_model/control_access.h"

namespace corvanta {

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

// The tests in their fixed order, each typed field within its range
// (settings/job_fields.h): "Index Const:", "Feed Const:", "Helix Angle:",
// "Normal Diametral Pitch:", "Feed Rate:" (each read as the C library's
// atof reads it, so an empty text counts as 0 and a NaN fails; a text that
// is not digits with at most one point fails whatever its value), then a
// selection in "Number of Teeth:", then "Hob Threads:" a whole number in
// its range (only its spinner sets it, but another program can set any
// text), then "E&xit" enabled (it is disabled exactly while a search or a
// print runs). nullopt when every test passes.
std::optional<InputProblem> FindInputProblem(const ControlAccess& controls);

// Enables "&Solve" and "Advise" exactly when FindInputProblem finds
// nothing, disables them otherwise; returns the new state.
bool ValidateInputs(ControlAccess& controls);

}  // namespace corvanta

#endif
