#include "window_model/solve_session.h"

namespace corvanta {

namespace {

// Swapping with an empty list releases the storage, which clear() may keep.
void FreeResults(SolveSession& session) { std::vector<SolveResult>().swap(session.results); }

}  // namespace

SolveSession& ProgramSolveSession() {
  static SolveSession session;
  return session;
}

bool SolveRunning(const SolveSession& session) { return session.running; }

void ReleaseSolveResults(SolveSession& session) {
  if (session.running) {
    session.releaseRequested = true;
    session.control.RequestStop();
    return;
  }
  FreeResults(session);
}

bool DropSolveResults(SolveSession& session) {
  if (session.running) return false;
  FreeResults(session);
  return true;
}

SolveRunMark::SolveRunMark(SolveSession& session) : session_(session) {
  if (session_.running) return;
  session_.running = true;
  session_.releaseRequested = false;
  acquired_ = true;
}

SolveRunMark::~SolveRunMark() {
  if (!acquired_) return;
  session_.running = false;
  if (session_.releaseRequested) {
    session_.releaseRequested = false;
    FreeResults(session_);
  }
}

}  // namespace corvanta
