// The window's Solve without the window, timed, for the benchmark: the job
// goes into in-memory controls as the operator enters it in the window, and
// the window's own driver runs it on the window's platform (the same worker
// threads, waits and pauses), in a process with the window's libraries.
// What the real window spends beyond this is the window's own cost; what
// this spends beyond corvanta-solve is the Windows build's under Wine.
//   solve_probe INDEX FEED_CONST FEED_RATE HELIX NDP TEETH THREADS ROW
// solves once with every gear of the stock and prints the seconds the Solve
// took, then the C line it shows.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/win32_solve_platform.h"
#include "resources/resource.h"
#include "window_model/memory_controls.h"
#include "window_model/memory_job.h"
#include "window_model/solve_driver.h"
#include "window_model/validate_inputs.h"

int main(int argc, char** argv) {
  using namespace corvanta;
  if (argc != 9) return 2;
  JobEntry job;
  job.settings = {argv[1], argv[2], argv[3], "1"};  // "1": every gear owned
  job.helixAngle = argv[4];
  job.normalPitch = argv[5];
  job.teeth = std::atoi(argv[6]);
  job.hobThreads = argv[7];
  job.setupRow = std::atoi(argv[8]);
  MemoryControls controls;
  EnterJob(controls, job);
  ValidateInputs(controls);
  Win32SolvePlatform platform;
  SolveSession session;
  const auto start = std::chrono::steady_clock::now();
  const SolveOutcome outcome = SolveCommand(controls, platform, session);
  const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
  if (!outcome.ran) return 1;
  std::printf("%.3f %s\n", seconds.count(), controls.GetText(IDC_C_LINE, 512).c_str());
  return 0;
}
