// The set-up sheet as the window gives it its inputs.
#include "window_model/sheet_inputs.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "resources/resource.h"
#include "tests/support/long_lead_sheet.h"
#include "tests/support/search_job.h"
#include "tests/support/window_job.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"

namespace corvanta {
namespace {

// The job of SetSheetJob and the train of C = 41, shown on the display:
// the text of every run in drawing order (where it is drawn is the
// layout's business). The run of the Greek font is the psi of sin(psi).
TEST(WorkedSheet, RunByRun) {
  MemoryControls controls;
  testing::SetSheetJob(controls);
  const SolveResult result = testing::MakeResult({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41");
  ShowResult(controls, {result}, 0, SearchMethod::kFast);
  const std::vector<SheetRun> runs = ComposeSetupSheet(ReadSheetInputs(controls), result);
  const std::string lead = ReadWholeText(controls, IDC_LEAD_LINE);
  ASSERT_EQ(lead.rfind("Lead: ", 0), 0u);
  const std::string expected[] = {
      kSheetTitle,
      "Index Constant: 30",
      "Feed Constant: 0.075",
      "Helix Angle: 22.5\xB0  (dms: 22\xB0"
      "30'00.0000\")",
      "Normal Diametral Pitch: 10  (Module: 2.540000)",
      "Number of Teeth: 41",
      "Transverse Pitch Dia.: 4.4378  (112.720mm)",
      "Outside Dia.: 4.6378  (117.800mm)",
      lead,
      "Actual Feed From C: 0.0200228713 \xB7 Along Helix Angle: 0.0216725997",
      "Using: Right-Handed Hob to cut: Right-Handed Gear",
      "Type of Cut: Conventional",
      "Sign: Minus",
      "Direction of Cut: Top Coming",
      "Intermediate Studs: Index: 1; Feed: 1",
      "Hob Threads: 1",
      "\\",
      "\\",
      "Index Change-Gears:     -------------",
      "41 * 30 * 1 = 1230",
      "((1230 * 4) / 5) = 984 = 41 x 24",
      "(41 * 41)  - 1 = 1680",
      "((1680 * 4) / 5) = 1344 = 24 x 56",
      "41 x 24",
      "24 x 56",
      "Pn = 0.31415926535897932384626433832795028841971693993751",
      "05820974944592307816406286208998628034825342117068",
      "sin(",
      "y",
      ") = 0.38268343236508977172845998403039886676134456248562",
      "70414338006356275460339600896922370137853422835471",
      "((40 * 20) / (60 * 50)) - (Pn / (sin(",
      "y",
      ") * 41 * 0.075))",
      "Feed error: -0.000",  // and 24 decimals in all
      "Feed Change-Gears:     -------------",
      "40 x 20",
      "60 x 50",
  };
  ASSERT_EQ(runs.size(), std::size(expected));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].font == SheetFontId::kGreek, expected[i] == "y") << i;
    if (i == 34) {  // the negative feed error
      EXPECT_EQ(runs[i].text.substr(0, expected[i].size()), expected[i]);
      EXPECT_EQ(runs[i].text.size(), std::string("Feed error: -0.").size() + 24);
    } else {
      EXPECT_EQ(runs[i].text, expected[i]) << i;
    }
  }
}

// The long-lead job: the sheet prints the screen's lead line whole, after
// the display has shown the result and on a window where no display has.
TEST(WorkedSheet, TheLeadLineOfALongLeadIsTheScreensWholeLine) {
  for (bool detached : {false, true}) {
    const testing::SolvedSheet sheet = testing::LongLeadSheet(detached);
    EXPECT_EQ(sheet.leadLine.size(), 44u) << sheet.leadLine;
    const auto lead = std::find_if(sheet.runs.begin(), sheet.runs.end(),
                                   [](const SheetRun& run) { return run.row == 10; });
    ASSERT_NE(lead, sheet.runs.end());
    EXPECT_EQ(lead->text, sheet.leadLine) << detached;
  }
}

}  // namespace
}  // namespace corvanta
