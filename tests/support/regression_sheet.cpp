#include "tests/support/regression_sheet.h"

#include "tests/support/window_job.h"
#include "window_model/sheet_inputs.h"

namespace corvanta::testing {

std::vector<SheetRun> RegressionSheet(bool detached) {
  MemoryControls controls;
  const std::vector<SolveResult> results = SolveRegressionJob(controls);
  if (results.empty()) return {};
  if (!detached) return ComposeSetupSheet(ReadSheetInputs(controls), results[0]);
  MemoryControls fresh;
  SetSheetJob(fresh, "30", 40);
  return ComposeSetupSheet(ReadDetachedSheetInputs(fresh, results[0]), results[0]);
}

}  // namespace corvanta::testing
