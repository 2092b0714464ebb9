// The set-up sheet of a real result, for the tests of the renderers.
#ifndef CORVANTA_TESTS_SUPPORT_REGRESSION_SHEET_H
#define CORVANTA_TESTS_SUPPORT_REGRESSION_SHEET_H

#include <vector>

#include "print/setup_sheet.h"

namespace corvanta::testing {

// The sheet of the first result of the regression job (solved on one
// thread): as "Print ..." composes it after the Solve has shown it, or,
// `detached`, from a fresh window on which no display has shown it. Empty
// when the search found nothing.
std::vector<SheetRun> RegressionSheet(bool detached);

}  // namespace corvanta::testing

#endif
