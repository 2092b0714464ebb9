// One set of controls, made either in memory or as real windows, so that the
// same cases run against both ControlAccess implementations.
#ifndef CORVANTA_TESTS_APP_CONTROL_HARNESS_H
#define CORVANTA_TESTS_APP_CONTROL_HARNESS_H

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/control_access.h"

namespace corvanta::testing {

// Every harness holds: an empty "Feed Rate:" edit, the "Number of Teeth:"
// list of "1" to "5" with no selection, a clear whole-C box, an empty "C: "
// line, the hob-threads spinner (1 to 24, at 1), "&Solve", and four menu bar
// items, the first a popup of "Print ..." (greyed) and "Save Settings".
class ControlHarness {
 public:
  virtual ~ControlHarness() = default;
  virtual ControlAccess& Controls() = 0;
  virtual void SelectRow(ControlId id, int row) = 0;
  virtual void Tick(ControlId id, bool checked) = 0;
  // Runs the window's message loop until `done` holds (or gives up).
  virtual void PumpUntil(const std::function<bool()>& done) = 0;
};

struct HarnessMaker {
  std::string name;
  std::function<std::unique_ptr<ControlHarness>()> make;
};
inline void PrintTo(const HarnessMaker& maker, std::ostream* out) { *out << maker.name; }

std::unique_ptr<ControlHarness> MakeMemoryHarness();
#ifdef _WIN32
std::unique_ptr<ControlHarness> MakeWin32Harness();
#endif

}  // namespace corvanta::testing

#endif
