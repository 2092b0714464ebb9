#include "window_model/validate_inputs.h"

#include "numeric/field_number.h"
#include "resources/resource.h"
#include "window_model/field_rules.h"

namespace corvanta {

namespace {

struct FieldRange {
  ControlId control;
  const char* field;
  double low;
  double high;
  const char* accepted;
};

// In the order the tests are made.
constexpr FieldRange kFieldRanges[] = {
    {IDC_INDEX_CONST, "Index Const:", 1.0, 120.0, "1 to 120"},
    {IDC_FEED_CONST, "Feed Const:", 0.0, 90.0, "0 to 90"},
    {IDC_HELIX_ANGLE, "Helix Angle:", 1e-6, 89.9, "0.000001 to 89.9"},
    {IDC_NORMAL_DIAMETRAL_PITCH, "Normal Diametral Pitch:", 0.35, 360.0, "0.35 to 360"},
    {IDC_FEED_RATE, "Feed Rate:", 0.0, 0.1, "0 to 0.1"},
};

}  // namespace

std::optional<InputProblem> FindInputProblem(const ControlAccess& controls) {
  for (const FieldRange& range : kFieldRanges) {
    const std::string text = controls.GetText(range.control, kValidatedFieldChars + 1);
    const double value = FieldDouble(text);
    // Written so that a NaN fails both bounds. A text no typing could give
    // (junk read from a settings file) fails too: the Solve would read it
    // as no number and find nothing.
    if (!IsFieldText(text) || !(value >= range.low) || !(value <= range.high))
      return InputProblem{range.control, range.field, range.accepted};
  }
  if (controls.GetSelection(IDC_NUMBER_OF_TEETH) == kNoSelection)
    return InputProblem{IDC_NUMBER_OF_TEETH, "Number of Teeth:", "one of 1 to 500, chosen"};
  const std::optional<unsigned> threads = controls.GetUnsigned(IDC_HOB_THREADS);
  if (!threads || *threads < 1 || *threads > static_cast<unsigned>(kHobThreadsMax))
    return InputProblem{IDC_HOB_THREADS, "Hob Threads:", "1 to " + std::to_string(kHobThreadsMax)};
  if (!controls.IsEnabled(IDC_EXIT_BUTTON))
    return InputProblem{IDC_EXIT_BUTTON, "E&xit", "enabled: no search or print running"};
  return std::nullopt;
}

std::string_view FieldRangeText(ControlId field) {
  for (const FieldRange& range : kFieldRanges)
    if (range.control == field) return range.accepted;
  return {};
}

bool ValidateInputs(ControlAccess& controls) {
  const bool complete = !FindInputProblem(controls).has_value();
  controls.Enable(IDC_SOLVE_BUTTON, complete);
  return complete;
}

}  // namespace corvanta
