// The threads of one run, started through the platform and waited for on
// the calling thread (the window's, in the program), which keeps watching
// the stop key and the window's messages while it waits.
#ifndef CORVANTA_SEARCH_WORKER_GROUP_H
#define CORVANTA_SEARCH_WORKER_GROUP_H

#include <functional>

#include "search/run_control.h"
#include "search/solve_platform.h"

namespace corvanta {

// However the run leaves the group's scope, it does not leave before every
// started worker has ended: the workers hold references to the run's
// values.
class WorkerGroup {
 public:
  WorkerGroup(SolvePlatform& platform, RunControl& control)
      : platform_(platform), control_(control) {}
  ~WorkerGroup();
  WorkerGroup(const WorkerGroup&) = delete;
  WorkerGroup& operator=(const WorkerGroup&) = delete;

  // Starts one worker; when the system has no thread for it, the body runs
  // here instead, so that the results never depend on the system's mood.
  // True when it runs on a thread of its own.
  bool Start(std::function<void()> body);

  // Looks at the stop key and the window's messages, then waits a slice,
  // and again until every worker has ended. The first look comes before
  // any wait, so that whatever reached the window before the run (a close,
  // say) is seen while it runs, however short it is. The stop key held, or
  // the program shutting down, requests a stop of the run.
  void WaitForAll();

 private:
  SolvePlatform& platform_;
  RunControl& control_;
  bool open_ = false;
};

}  // namespace corvanta

#endif
