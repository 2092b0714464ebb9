#include "app/solve_command.h"

#include "app/close_guard.h"
#include "app/win32_controls.h"
#include "app/win32_solve_platform.h"
#include "window_model/solve_driver.h"

namespace corvanta {

void SolveCommand(HWND window) {
  SearchState& state = ProgramSearchState();
  if (SolveRunning(state)) return;
  SetFocus(nullptr);
  RunWhileBusy(window, [&] {
    Win32Controls controls(window);
    Win32SolvePlatform platform(window);
    SolveCommand(controls, platform, state);
  });
}

}  // namespace corvanta
