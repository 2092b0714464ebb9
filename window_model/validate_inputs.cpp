#include "window_model/validate_inputs.h"

#include <iterator>

#include "numeric/field_number.h"
#include "resources/resource.h"
#include "settings/job_fields.h"
#include "window_model/field_controls.h"
#include "window_model/field_rules.h"

namespace corvanta {

namespace {

// The typed fields in the order they are tested.
constexpr JobFieldId kTestOrder[] = {JobFieldId::kIndexConstant, JobFieldId::kFeedConstant,
                                     JobFieldId::kHelixAngle, JobFieldId::kNormalPitch,
                                     JobFieldId::kFeedRate};
static_assert(std::size(kTestOrder) == std::size(kJobFields), "every typed field is tested");

}  // namespace

std::optional<InputProblem> FindInputProblem(const ControlAccess& controls) {
  for (const JobFieldId id : kTestOrder) {
    const JobField& field = JobFieldOf(id);
    const ControlId control = FieldControl(id);
    const std::string text = controls.GetText(control, kValidatedFieldChars + 1);
    const double value = FieldDouble(text);
    // Written so that a NaN fails both bounds. A text no typing could give
    // (junk read from a settings file) fails too: the Solve would read it
    // as no number and find nothing.
    if (!IsFieldText(text) || !(value >= field.low) || !(value <= field.high))
      return InputProblem{control, field.label, field.accepted};
  }
  if (controls.GetSelection(IDC_NUMBER_OF_TEETH) == kNoSelection)
    return InputProblem{IDC_NUMBER_OF_TEETH, kNumberOfTeethField.label,
                        "one of " + RangeText(kNumberOfTeethField) + ", chosen"};
  const std::optional<unsigned> threads = controls.GetUnsigned(IDC_HOB_THREADS);
  if (!threads || *threads < static_cast<unsigned>(kHobThreadsField.low) ||
      *threads > static_cast<unsigned>(kHobThreadsField.high))
    return InputProblem{IDC_HOB_THREADS, kHobThreadsField.label, RangeText(kHobThreadsField)};
  if (!controls.IsEnabled(IDC_EXIT_BUTTON))
    return InputProblem{IDC_EXIT_BUTTON, "E&xit", "enabled: no search or print running"};
  return std::nullopt;
}

bool ValidateInputs(ControlAccess& controls) {
  const bool complete = !FindInputProblem(controls).has_value();
  controls.Enable(IDC_SOLVE_BUTTON, complete);
  controls.Enable(IDC_ADVISE_BUTTON, complete);
  return complete;
}

}  // namespace corvanta
