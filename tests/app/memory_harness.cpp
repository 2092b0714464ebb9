#include "resources/resource.h"
#include "tests/app/control_harness.h"
#include "window_model/memory_controls.h"

namespace corvanta::testing {
namespace {

class MemoryHarness : public ControlHarness {
 public:
  MemoryHarness() {
    controls_.SetText(IDC_FEED_RATE, "");
    controls_.SetText(IDC_C_LINE, "");
    controls_.EnableMenuCommand(IDM_PRINT, false);
    controls_.EnableMenuCommand(IDM_SAVE_SETTINGS, true);
  }
  ControlAccess& Controls() override { return controls_; }

 private:
  MemoryControls controls_{4};
};

}  // namespace

std::unique_ptr<ControlHarness> MakeMemoryHarness() { return std::make_unique<MemoryHarness>(); }

}  // namespace corvanta::testing
