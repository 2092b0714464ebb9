// Jobs in memory controls, and a real search over one, for the sheet tests.
#ifndef CORVANTA_TESTS_PRINT_SHEET_TEST_SUPPORT_H
#define CORVANTA_TESTS_PRINT_SHEET_TEST_SUPPORT_H

#include <string>
#include <vector>

#include "app/memory_controls.h"
#include "numeric/geometry.h"
#include "print/setup_sheet.h"
#include "resources/resource.h"
#include "search/search_state.h"
#include "search/solve_driver.h"
#include "search/thread_platform.h"

namespace corvanta::testing {

// Index constant 30, feed constant 0.075, feed rate .025, pitch 10, one
// hob thread, set-up row 0 of eight.
inline void SetSheetJob(MemoryControls& controls, const char* helix = "22.5", int teeth = 41) {
  controls.SetText(IDC_INDEX_CONST, "30");
  controls.SetText(IDC_FEED_CONST, "0.075");
  controls.SetText(IDC_FEED_RATE, ".025");
  controls.SetText(IDC_HELIX_ANGLE, helix);
  controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, "10");
  controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(teeth));
  controls.Select(IDC_NUMBER_OF_TEETH, 0);
  controls.SetText(IDC_HOB_THREADS, "1");
  for (int r = 0; r < 8; ++r) controls.AddItem(IDC_HAND_CUT_CHOOSER, std::to_string(r));
  controls.Select(IDC_HAND_CUT_CHOOSER, 0);
  UpdateGeometry(controls);
}

// The regression job (helix 30, 40 teeth) on a stock of 30 to 90 teeth,
// solved on one thread; the first result is then on display.
inline std::vector<SolveResult> SolveRegressionJob(MemoryControls& controls) {
  SetSheetJob(controls, "30", 40);
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    const int teeth = GEAR_STOCK_FIRST_TOOTH_COUNT + k;
    controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + k, teeth >= 30 && teeth <= 90 ? "1" : "0");
  }
  SearchState state;
  ThreadPlatform platform(1u);
  SolveCommand(controls, platform, state);
  return state.results;
}

}  // namespace corvanta::testing

#endif
