// A job in memory controls, and a real search over it, for the sheet tests.
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

struct SheetJob {
  std::string indexConst = "30";
  std::string feedConst = "0.075";
  std::string feedRate = ".025";
  std::string helix = "22.5";
  std::string pitch = "10";
  int teeth = 41;  // 0: nothing selected
  std::string hobThreads = "1";
  int row = 0;     // -1: nothing selected
};

inline void SetSheetJob(MemoryControls& controls, const SheetJob& job) {
  controls.SetText(IDC_INDEX_CONST, job.indexConst);
  controls.SetText(IDC_FEED_CONST, job.feedConst);
  controls.SetText(IDC_FEED_RATE, job.feedRate);
  controls.SetText(IDC_HELIX_ANGLE, job.helix);
  controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, job.pitch);
  for (int n = 1; n <= 500; ++n) controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(n));
  controls.Select(IDC_NUMBER_OF_TEETH, job.teeth - 1);
  controls.SetText(IDC_HOB_THREADS, job.hobThreads);
  for (int r = 0; r < 8; ++r) controls.AddItem(IDC_HAND_CUT_CHOOSER, std::to_string(r));
  controls.Select(IDC_HAND_CUT_CHOOSER, job.row);
  controls.SetText(IDC_C_LINE, "");
  UpdateGeometry(controls);
}

// Owns every change gear from `first` to `last` teeth.
inline void SetStockRange(MemoryControls& controls, int first, int last) {
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    const int teeth = GEAR_STOCK_FIRST_TOOTH_COUNT + k;
    controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + k, teeth >= first && teeth <= last ? "1" : "0");
  }
}

// A whole Solve on one worker thread, as the program runs it; the first
// result is then on display in `controls`.
inline std::vector<SolveResult> Solve(MemoryControls& controls) {
  SearchState state;
  ThreadPlatform platform(1u);
  SolveCommand(controls, platform, state);
  return state.results;
}

inline SolveResult Result(ToothPair indexNumerator, ToothPair indexDenominator,
                          ToothPair feedNumerator, ToothPair feedDenominator, const char* c) {
  SolveResult r;
  r.indexNumerator = indexNumerator;
  r.indexDenominator = indexDenominator;
  r.feedNumerator = feedNumerator;
  r.feedDenominator = feedDenominator;
  r.C = Decimal100(c);
  return r;
}

// The runs that start at (row, column): the positioned one and the runs that
// continue after it. Empty when none starts there.
inline std::vector<SheetRun> RunsAt(const std::vector<SheetRun>& runs, double row, double column) {
  std::vector<SheetRun> found;
  for (std::size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].positioned && runs[i].row == row && runs[i].column == column) {
      found.push_back(runs[i]);
      for (std::size_t j = i + 1; j < runs.size() && !runs[j].positioned; ++j) {
        found.push_back(runs[j]);
      }
      break;
    }
  }
  return found;
}

// The text of the run (and its continuations) at (row, column).
inline std::string TextAt(const std::vector<SheetRun>& runs, double row, double column) {
  std::string text;
  for (const SheetRun& run : RunsAt(runs, row, column)) text += run.text;
  return text;
}

}  // namespace corvanta::testing

#endif
