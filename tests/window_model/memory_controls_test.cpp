// The in-memory controls hold to what the window's controls do.
#include "window_model/memory_controls.h"

#include "settings/app_settings.h"
#include "tests/support/control_access_contract.h"
#include "window_model/memory_job.h"

namespace corvanta::testing {

// Controls as EnterJob makes them for a job with no tooth count chosen.
class MemoryHarness {
 public:
  bool Start() {
    JobEntry job;
    job.settings = DefaultAppSettings();
    EnterJob(controls_, job);
    return true;
  }
  ControlAccess& controls() { return controls_; }
  void Choose(ControlId list, int row) { controls_.Select(list, row); }
  void Tick(ControlId box, bool ticked) { controls_.SetChecked(box, ticked); }

 private:
  MemoryControls controls_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, ControlAccessContract, MemoryHarness);

}  // namespace corvanta::testing
