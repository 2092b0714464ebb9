// corvanta-solve --advise and --advise-pairs: which gears to buy, for the
// job and the stock entered into the controls.
#ifndef CORVANTA_TOOLS_ADVISE_COMMAND_H
#define CORVANTA_TOOLS_ADVISE_COMMAND_H

#include <cstddef>

#include "search/search_method.h"
#include "search/solve_platform.h"
#include "window_model/control_access.h"

namespace corvanta {

struct AdviseRequest {
  bool pairs = false;         // every two gears the stock lacks as well
  bool json = false;          // one JSON object instead of text
  std::size_t rows = 10;      // rows printed after the stock's own
  bool showProgress = false;  // a status line on standard error
  SearchMethod method = SearchMethod::kFast;
};

// Searches the stock with every addition on every processor (the stop key
// of `platform` stops it), prints the rows on standard output and returns
// the exit status: 0, or 130 when stopped (the rows done are printed).
int RunAdviseCommand(const ControlAccess& controls, SolvePlatform& platform,
                     const AdviseRequest& request);

}  // namespace corvanta

#endif
