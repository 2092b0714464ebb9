#include "tests/support/long_lead_sheet.h"

#include "resources/resource.h"
#include "tests/support/window_job.h"
#include "window_model/read_job.h"
#include "window_model/sheet_inputs.h"

namespace corvanta::testing {

SolvedSheet LongLeadSheet(bool detached) {
  MemoryControls controls;
  const std::vector<SolveResult> results = SolveSheetJob(controls, LongLeadJob());
  if (results.empty()) return {};
  SolvedSheet sheet{{}, ReadWholeText(controls, IDC_LEAD_LINE)};
  if (!detached) {
    sheet.runs = ComposeSetupSheet(ReadSheetInputs(controls), results[0]);
    return sheet;
  }
  MemoryControls fresh;
  SetSheetJob(fresh, LongLeadJob());
  sheet.runs = ComposeSetupSheet(ReadDetachedSheetInputs(fresh, results[0], SearchMethod::kFast),
                                 results[0]);
  return sheet;
}

}  // namespace corvanta::testing
