#include <thread>

#include "app/control_harness.h"
#include "app/memory_controls.h"
#include "resources/resource.h"

namespace corvanta::testing {
namespace {

class MemoryHarness : public ControlHarness {
 public:
  MemoryHarness() {
    controls_.SetText(IDC_FEED_RATE, "");
    for (const char* item : {"1", "2", "3", "4", "5"}) controls_.AddItem(IDC_NUMBER_OF_TEETH, item);
    controls_.SetText(IDC_C_LINE, "");
    controls_.SetSpinnerRange(IDC_HOB_THREADS_SPINNER, 1, 24);
    controls_.SetSpinnerPosition(IDC_HOB_THREADS_SPINNER, 1);
    controls_.EnableMenuCommand(IDM_PRINT, false);
    controls_.EnableMenuCommand(IDM_SAVE_SETTINGS, true);
  }
  ControlAccess& Controls() override { return controls_; }
  void SelectRow(ControlId id, int row) override { controls_.Select(id, row); }
  void Tick(ControlId id, bool checked) override { controls_.SetChecked(id, checked); }
  void PumpUntil(const std::function<bool()>& done) override {
    for (int i = 0; i < 5000 && !done(); ++i) std::this_thread::yield();
  }

 private:
  MemoryControls controls_{4};
};

}  // namespace

std::unique_ptr<ControlHarness> MakeMemoryHarness() { return std::make_unique<MemoryHarness>(); }

}  // namespace corvanta::testing
