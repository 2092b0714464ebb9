#include "window_model/memory_job.h"

#include <cstddef>
#include <utility>

#include "resources/resource.h"
#include "settings/gear_stock_text.h"
#include "window_model/field_controls.h"

namespace corvanta {

const std::string& FieldText(const JobEntry& job, const JobField& field) {
  switch (field.id) {
    case JobFieldId::kHelixAngle: return job.helixAngle;
    case JobFieldId::kNormalPitch: return job.normalPitch;
    default: return job.settings.*field.setting;
  }
}

std::string& FieldText(JobEntry& job, const JobField& field) {
  return const_cast<std::string&>(FieldText(std::as_const(job), field));
}

void EnterJob(MemoryControls& controls, const JobEntry& job) {
  for (const JobField& field : kJobFields)
    controls.SetText(FieldControl(field.id), FieldText(job, field));
  // The lists as the window builds them: every tooth count, and the set-up
  // rows, which the window draws and which have no texts of their own.
  for (int n = kNumberOfTeethField.low; n <= kNumberOfTeethField.high; ++n)
    controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(n));
  controls.Select(IDC_NUMBER_OF_TEETH, job.teeth - kNumberOfTeethField.low);
  controls.SetText(IDC_HOB_THREADS, job.hobThreads);
  for (int row = 0; row < kSetupRowCount; ++row) controls.AddItem(IDC_HAND_CUT_CHOOSER, "");
  controls.Select(IDC_HAND_CUT_CHOOSER, job.setupRow);
  controls.SetChecked(IDC_WHOLE_C_ONLY, job.wholeC);
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k)
    controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + k,
                     GearStockCellText(job.settings.gearStockText, static_cast<std::size_t>(k)));
  controls.Enable(IDC_SOLVE_BUTTON, false);
}

}  // namespace corvanta
