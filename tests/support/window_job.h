// Jobs in memory controls, as the window holds them, and a real Solve over
// one.
#ifndef CORVANTA_TESTS_SUPPORT_WINDOW_JOB_H
#define CORVANTA_TESTS_SUPPORT_WINDOW_JOB_H

#include <string>
#include <vector>

#include "search/thread_platform.h"
#include "settings/app_settings.h"
#include "window_model/memory_job.h"
#include "window_model/solve_driver.h"
#include "window_model/update_geometry.h"

namespace corvanta::testing {

// The regression job: the default settings (index constant 30, feed constant
// 0.075, feed rate .025, 30 to 90 teeth in stock), helix 30, pitch 10, 40
// teeth, one hob thread, set-up row 0; or another helix and tooth count.
inline JobEntry RegressionJob(const char* helix = "30", int teeth = 40) {
  JobEntry job;
  job.settings = DefaultAppSettings();
  job.helixAngle = helix;
  job.normalPitch = "10";
  job.teeth = teeth;
  return job;
}

// The regression job at a helix of 0.6 degrees and a feed rate of .1: a
// lead of about 1200 inches, whose lead line is 44 characters long.
inline JobEntry LongLeadJob() {
  JobEntry job = RegressionJob("0.6");
  job.settings.feedRate = ".1";
  return job;
}

// A job of the sheet tests, its geometry lines shown.
inline void SetSheetJob(MemoryControls& controls, const JobEntry& job = RegressionJob("22.5", 41)) {
  EnterJob(controls, job);
  UpdateGeometry(controls);
}

// `job` solved on one thread; its first result is then on display.
inline std::vector<SolveResult> SolveSheetJob(MemoryControls& controls, const JobEntry& job) {
  SetSheetJob(controls, job);
  SolveSession session;
  ThreadPlatform platform(1u);
  SolveCommand(controls, platform, session);
  return session.results;
}

}  // namespace corvanta::testing

#endif
