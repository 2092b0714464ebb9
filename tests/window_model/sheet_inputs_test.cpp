// The set-up sheet as the window gives it its inputs.
#include "window_model/sheet_inputs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/resource.h"
#include "tests/support/search_job.h"
#include "tests/support/window_job.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"

namespace corvanta {
namespace {

// The job of SetSheetJob and the train of C = 41, shown on the display:
// every run in drawing order (for the long numbers, how the text begins).
TEST(WorkedSheet, RunByRun) {
  using F = SheetFontId;
  using A = SheetAlign;
  MemoryControls controls;
  testing::SetSheetJob(controls);
  const SolveResult result = testing::MakeResult({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41");
  ShowResult(controls, {result}, 0, SearchMethod::kFast);
  const std::vector<SheetRun> runs = ComposeSetupSheet(ReadSheetInputs(controls), result);
  const std::string lead = ReadWholeText(controls, IDC_LEAD_LINE);
  ASSERT_EQ(lead.rfind("Lead: ", 0), 0u);
  const struct {
    bool positioned;
    double row, column;
    A align;
    F font;
    std::string text;
  } expected[] = {
      {true, 1, 0.5, A::kCentre, F::kSheet, kSheetTitle},
      {true, 3, 0.02, A::kLeft, F::kSheet, "Index Constant: 30"},
      {true, 4, 0.02, A::kLeft, F::kSheet, "Feed Constant: 0.075"},
      {true, 5, 0.02, A::kLeft, F::kSheet,
       "Helix Angle: 22.5\xB0  (dms: 22\xB0"
       "30'00.0000\")"},
      {true, 6, 0.02, A::kLeft, F::kSheet, "Normal Diametral Pitch: 10  (Module: 2.540000)"},
      {true, 7, 0.02, A::kLeft, F::kSheet, "Number of Teeth: 41"},
      {true, 8, 0.02, A::kLeft, F::kSheet, "Transverse Pitch Dia.: 4.4378  (112.720mm)"},
      {true, 9, 0.02, A::kLeft, F::kSheet, "Outside Dia.: 4.6378  (117.800mm)"},
      {true, 10, 0.02, A::kLeft, F::kSheet, lead},
      {true, 11, 0.02, A::kLeft, F::kSheet,
       "Actual Feed From C: 0.0200228713 \xB7 Along Helix Angle: 0.0216725997"},
      {true, 12, 0.02, A::kLeft, F::kSheet, "Using: Right-Handed Hob to cut: Right-Handed Gear"},
      {true, 13, 0.02, A::kLeft, F::kSheet, "Type of Cut: Conventional"},
      {true, 14, 0.02, A::kLeft, F::kSheet, "Sign: Minus"},
      {true, 15, 0.02, A::kLeft, F::kSheet, "Direction of Cut: Top Coming"},
      {true, 16, 0.02, A::kLeft, F::kSheet, "Intermediate Studs: Index: 1; Feed: 1"},
      {true, 17, 0.02, A::kLeft, F::kSheet, "Hob Threads: 1"},
      {true, 18.674, 0.36, A::kCentre, F::kSymbol, "\\"},
      {true, 19.674, 0.36, A::kCentre, F::kSymbol, "\\"},
      {true, 22, 0.02, A::kLeft, F::kSheet, "Index Change-Gears:     -------------"},
      {true, 19, 0.33, A::kRight, F::kSheet, "41 * 30 * 1 = 1230"},
      {true, 19, 0.39, A::kLeft, F::kSheet, "((1230 * 4) / 5) = 984 = 41 x 24"},
      {true, 20, 0.33, A::kRight, F::kSheet, "(41 * 41)  - 1 = 1680"},
      {true, 20, 0.39, A::kLeft, F::kSheet, "((1680 * 4) / 5) = 1344 = 24 x 56"},
      {true, 21.62, 0.315, A::kCentre, F::kSheet, "41 x 24"},
      {true, 22.52, 0.315, A::kCentre, F::kSheet, "24 x 56"},
      {true, 24, 0.045, A::kLeft, F::kNarrow,
       "Pn = 0.31415926535897932384626433832795028841971693993751"},
      {true, 24.8, 0.095, A::kLeft, F::kNarrow,
       "05820974944592307816406286208998628034825342117068"},
      {true, 26, 0.02, A::kFlow, F::kNarrow, "sin("},
      {false, 0, 0, A::kFlow, F::kGreek, "y"},
      {false, 0, 0, A::kFlow, F::kNarrow,
       ") = 0.38268343236508977172845998403039886676134456248562"},
      {true, 26.8, 0.095, A::kLeft, F::kNarrow,
       "70414338006356275460339600896922370137853422835471"},
      {true, 28, 0.02, A::kFlow, F::kNarrow, "((40 * 20) / (60 * 50)) - (Pn / (sin("},
      {false, 0, 0, A::kFlow, F::kGreek, "y"},
      {false, 0, 0, A::kFlow, F::kNarrow, ") * 41 * 0.075))"},
      {true, 30, 0.02, A::kLeft, F::kSheet, "Feed error: -0.000"},  // and 24 decimals in all
      {true, 32, 0.02, A::kLeft, F::kSheet, "Feed Change-Gears:     -------------"},
      {true, 31.62, 0.315, A::kCentre, F::kSheet, "40 x 20"},
      {true, 32.52, 0.315, A::kCentre, F::kSheet, "60 x 50"},
  };
  ASSERT_EQ(runs.size(), std::size(expected));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& e = expected[i];
    EXPECT_EQ(runs[i].positioned, e.positioned);
    if (e.positioned) {
      EXPECT_EQ(std::pair(runs[i].row, runs[i].column), std::pair(e.row, e.column));
    }
    EXPECT_EQ(std::pair(runs[i].align, runs[i].font), std::pair(e.align, e.font));
    if (e.row == 30) {  // the negative feed error
      EXPECT_EQ(runs[i].text.substr(0, e.text.size()), e.text);
      EXPECT_EQ(runs[i].text.size(), std::string("Feed error: -0.").size() + 24);
    } else {
      EXPECT_EQ(runs[i].text, e.text);
    }
  }
}

// A lead of 240 inches (helix 3): the sheet prints the screen's lead line
// whole, after the display has shown the result and on a window where no
// display has.
TEST(WorkedSheet, TheLeadLineOfALongLeadIsTheScreensWholeLine) {
  MemoryControls shown, fresh;
  const JobEntry job = testing::RegressionJob("3");
  const std::vector<SolveResult> results = testing::SolveSheetJob(shown, job);
  ASSERT_FALSE(results.empty());
  testing::SetSheetJob(fresh, job);
  const std::string screen = ReadWholeText(shown, IDC_LEAD_LINE);
  ASSERT_EQ(screen.rfind("Lead: 240.", 0), 0u) << screen;
  for (const SheetInputs& inputs :
       {ReadSheetInputs(shown), ReadDetachedSheetInputs(fresh, results[0], SearchMethod::kFast)}) {
    const std::vector<SheetRun> runs = ComposeSetupSheet(inputs, results[0]);
    const auto lead =
        std::find_if(runs.begin(), runs.end(), [](const SheetRun& run) { return run.row == 10; });
    ASSERT_NE(lead, runs.end());
    EXPECT_EQ(lead->text, screen);
  }
}

// Texts the fields refuse, or values no job has, give a whole sheet, no crash.
TEST(DegenerateSheet, ComposesWhateverTheFieldsHold) {
  const std::string huge(59, '9');
  const std::vector<std::vector<std::string>> jobs = {{"0", "0", "0", "0", ""},
                                                      {"", "", "", "", "x"},
                                                      {".", "3.", "90", ".5", "24"},
                                                      {huge, huge, huge, huge, "99"}};
  const ControlId ids[] = {IDC_INDEX_CONST, IDC_FEED_CONST, IDC_HELIX_ANGLE,
                           IDC_NORMAL_DIAMETRAL_PITCH, IDC_HOB_THREADS};
  for (const auto& j : jobs) {
    SCOPED_TRACE(j[2]);
    MemoryControls controls;
    for (int i = 0; i < 5; ++i) controls.SetText(ids[i], j[i]);
    for (const SolveResult& r :
         {SolveResult{}, testing::MakeResult({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41")}) {
      const std::vector<SheetRun> runs =
          ComposeSetupSheet(ReadDetachedSheetInputs(controls, r, SearchMethod::kFast), r);
      ASSERT_EQ(runs.size(), 33u);  // all but the five set-up lines: no row chosen
      EXPECT_EQ(runs[0].text, kSheetTitle);
    }
  }
}

}  // namespace
}  // namespace corvanta
