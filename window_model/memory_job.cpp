#include "window_model/memory_job.h"

#include <cstddef>

#include "resources/resource.h"
#include "results/machine_setup.h"
#include "settings/gear_stock_text.h"

namespace corvanta {

void EnterJob(MemoryControls& controls, const JobEntry& job) {
  controls.SetText(IDC_INDEX_CONST, job.settings.indexConstant);
  controls.SetText(IDC_FEED_CONST, job.settings.feedConstant);
  controls.SetText(IDC_FEED_RATE, job.settings.feedRate);
  controls.SetText(IDC_HELIX_ANGLE, job.helixAngle);
  controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, job.normalPitch);
  // The lists as the window builds them: teeth "1" to "500", and the set-up
  // rows, which the window draws and which have no texts of their own.
  for (int n = 1; n <= 500; ++n) controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(n));
  controls.Select(IDC_NUMBER_OF_TEETH, job.teeth - 1);
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
