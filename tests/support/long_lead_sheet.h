// The set-up sheet of a real result, for the tests of the renderers.
#ifndef CORVANTA_TESTS_SUPPORT_LONG_LEAD_SHEET_H
#define CORVANTA_TESTS_SUPPORT_LONG_LEAD_SHEET_H

#include <string>
#include <vector>

#include "print/setup_sheet.h"

namespace corvanta::testing {

struct SolvedSheet {
  std::vector<SheetRun> runs;  // empty when the search found nothing
  std::string leadLine;        // the lead line the display showed
};

// The sheet of the first result of LongLeadJob (solved on one thread): as
// "Print ..." composes it after the Solve has shown it, or, `detached`,
// from a fresh window on which no display has shown it.
SolvedSheet LongLeadSheet(bool detached);

}  // namespace corvanta::testing

#endif
