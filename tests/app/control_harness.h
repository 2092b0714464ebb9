// One set of controls, made either in memory or as real windows, so that the
// same cases run against both ControlAccess implementations.
#ifndef CORVANTA_TESTS_APP_CONTROL_HARNESS_H
#define CORVANTA_TESTS_APP_CONTROL_HARNESS_H

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "window_model/control_access.h"

namespace corvanta::testing {

// Every harness holds: an empty "Feed Rate:" edit, an empty "C: " line,
// "&Solve", and four menu bar items, the first a popup of "Print ..."
// (greyed) and "Save Settings".
class ControlHarness {
 public:
  virtual ~ControlHarness() = default;
  virtual ControlAccess& Controls() = 0;
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
