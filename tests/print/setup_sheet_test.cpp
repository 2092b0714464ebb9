#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>

#include "numeric/number_text.h"
#include "print/setup_sheet.h"
#include "print/sheet_content.h"
#include "results/machine_setup.h"
#include "results/result_display.h"
#include "tests/print/sheet_test_support.h"

namespace corvanta {
namespace {

using testing::Result;
using testing::RunsAt;
using testing::SetSheetJob;
using testing::SheetJob;
using testing::TextAt;

constexpr SheetFontId kSheet = SheetFontId::kSheet;
constexpr SheetFontId kNarrow = SheetFontId::kNarrow;
constexpr SheetFontId kSymbol = SheetFontId::kSymbol;
constexpr SheetFontId kGreek = SheetFontId::kGreek;
constexpr SheetAlign kLeft = SheetAlign::kLeft;
constexpr SheetAlign kCentre = SheetAlign::kCentre;
constexpr SheetAlign kRight = SheetAlign::kRight;
constexpr SheetAlign kFlow = SheetAlign::kFlow;

// The job with index constant 30, one thread and 41 teeth, helix 22.5 and
// pitch 10, and the train of C = 41; the display has shown it.
struct WorkedSheet : ::testing::Test {
  WorkedSheet() {
    SetSheetJob(window, SheetJob{});
    ShowResult(window, {result}, 0);
  }
  MemoryControls window{4};
  SolveResult result = Result({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41");
};

// Every run in drawing order: where, how aligned, in which font, what text.
// The three 100-decimal lines are checked by their beginnings here and in
// full by the formula tests.
TEST_F(WorkedSheet, RunByRun) {
  const std::vector<SheetRun> runs = ComposeSetupSheet(window, result);
  const std::string lead = window.GetText(IDC_LEAD_LINE, 43);
  ASSERT_EQ(lead.rfind("Lead: ", 0), 0u);
  const struct {
    bool positioned;
    double row, column;
    SheetAlign align;
    SheetFontId font;
    std::string text;
    bool prefixOnly;
  } expected[] = {
      {true, 1, 0.5, kCentre, kSheet, "HOB HELICAL GEAR WITH DIFFERENTIAL LOCKED-OUT OR NOT PRESENT", false},
      {true, 3, 0.02, kLeft, kSheet, "Index Constant: 30", false},
      {true, 4, 0.02, kLeft, kSheet, "Feed Constant: 0.075", false},
      {true, 5, 0.02, kLeft, kSheet, "Helix Angle: 22.5\xB0  (dms: 22\xB0" "30'00.0000\")", false},
      {true, 6, 0.02, kLeft, kSheet, "Normal Diametral Pitch: 10  (Module: 2.540000)", false},
      {true, 7, 0.02, kLeft, kSheet, "Number of Teeth: 41", false},
      {true, 8, 0.02, kLeft, kSheet, "Transverse Pitch Dia.: 4.4378  (112.720mm)", false},
      {true, 9, 0.02, kLeft, kSheet, "Outside Dia.: 4.6378  (117.800mm)", false},
      {true, 10, 0.02, kLeft, kSheet, lead, false},
      {true, 11, 0.02, kLeft, kSheet, "Actual Feed From C: 0.0200228713", true},
      {true, 12, 0.02, kLeft, kSheet, "Using: Right-Handed Hob to cut: Right-Handed Gear", false},
      {true, 13, 0.02, kLeft, kSheet, "Type of Cut: Conventional", false},
      {true, 14, 0.02, kLeft, kSheet, "Sign: Minus", false},
      {true, 15, 0.02, kLeft, kSheet, "Direction of Cut: Top Coming", false},
      {true, 16, 0.02, kLeft, kSheet, "Intermediate Studs: Index: 1; Feed: 1", false},
      {true, 17, 0.02, kLeft, kSheet, "Hob Threads: 1", false},
      {true, 18.674, 0.36, kCentre, kSymbol, "\\", false},
      {true, 19.674, 0.36, kCentre, kSymbol, "\\", false},
      {true, 22, 0.02, kLeft, kSheet, "Index Change-Gears:     -------------", false},
      {true, 19, 0.33, kRight, kSheet, "41 * 30 * 1 = 1230", false},
      {true, 19, 0.39, kLeft, kSheet, "((1230 * 4) / 5) = 984 = 41 x 24", false},
      {true, 20, 0.33, kRight, kSheet, "(41 * 41)  - 1 = 1680", false},
      {true, 20, 0.39, kLeft, kSheet, "((1680 * 4) / 5) = 1344 = 24 x 56", false},
      {true, 21.62, 0.315, kCentre, kSheet, "41 x 24", false},
      {true, 22.52, 0.315, kCentre, kSheet, "24 x 56", false},
      {true, 24, 0.045, kLeft, kNarrow, "Pn = 0.31415926535897932384626433832795028841971693993751", false},
      {true, 24.8, 0.095, kLeft, kNarrow, "05820974944592307816406286208998628034825342117068", false},
      {true, 26, 0.02, kFlow, kNarrow, "sin(", false},
      {false, 0, 0, kFlow, kGreek, "y", false},
      {false, 0, 0, kFlow, kNarrow, ") = 0.38268343236508977172845998403039886676134456248562", false},
      {true, 26.8, 0.095, kLeft, kNarrow, "70414338006356275460339600896922370137853422835471", false},
      {true, 28, 0.02, kFlow, kNarrow, "((40 * 20) / (60 * 50)) - (Pn / (sin(", false},
      {false, 0, 0, kFlow, kGreek, "y", false},
      {false, 0, 0, kFlow, kNarrow, ") * 41 * 0.075))", false},
      {true, 30, 0.02, kLeft, kSheet, "Feed error: -0.000", true},
      {true, 32, 0.02, kLeft, kSheet, "Feed Change-Gears:     -------------", false},
      {true, 31.62, 0.315, kCentre, kSheet, "40 x 20", false},
      {true, 32.52, 0.315, kCentre, kSheet, "60 x 50", false},
  };
  ASSERT_EQ(runs.size(), std::size(expected));
  for (std::size_t i = 0; i < runs.size(); ++i) {
    SCOPED_TRACE(i);
    const auto& e = expected[i];
    EXPECT_EQ(runs[i].positioned, e.positioned);
    if (e.positioned) {
      EXPECT_EQ(runs[i].row, e.row);
      EXPECT_EQ(runs[i].column, e.column);
    }
    EXPECT_EQ(runs[i].align, e.align);
    EXPECT_EQ(runs[i].font, e.font);
    if (e.prefixOnly) {
      EXPECT_EQ(runs[i].text.substr(0, e.text.size()), e.text);
    } else {
      EXPECT_EQ(runs[i].text, e.text);
    }
  }
  // Feed error: 24 decimals after "Feed error: -0.".
  EXPECT_EQ(TextAt(runs, 30, 0.02).size(), std::string("Feed error: -0.").size() + 24);
  EXPECT_EQ(TextAt(runs, 11, 0.02).find(" \xB7 Along Helix Angle: 0.0216725997"), 32u);
}

TEST_F(WorkedSheet, WithoutASetUpRowTheFiveLinesAreLeftOutAndTheSignIsPlus) {
  const std::size_t withRow = ComposeSetupSheet(window, result).size();
  window.Select(IDC_HAND_CUT_CHOOSER, -1);
  const std::vector<SheetRun> runs = ComposeSetupSheet(window, result);
  EXPECT_EQ(runs.size(), withRow - 5);
  for (double row : {12, 13, 14, 15, 16}) EXPECT_TRUE(RunsAt(runs, row, 0.02).empty()) << row;
  EXPECT_EQ(TextAt(runs, 20, 0.33), "(41 * 41)  + 1 = 1682");
}

// Each set-up row prints its own five lines, row 2's small "s" included.
TEST_F(WorkedSheet, TheChosenRowsSetUpLines) {
  for (int row = 0; row < kSetupRowCount; ++row) {
    SCOPED_TRACE(row);
    window.Select(IDC_HAND_CUT_CHOOSER, row);
    const std::vector<SheetRun> runs = ComposeSetupSheet(window, result);
    const SetupSheetLines& lines = SetupForRow(row)->sheet;
    EXPECT_EQ(TextAt(runs, 12, 0.02), lines.hand);
    EXPECT_EQ(TextAt(runs, 13, 0.02), lines.cut);
    EXPECT_EQ(TextAt(runs, 14, 0.02), lines.sign);
    EXPECT_EQ(TextAt(runs, 15, 0.02), lines.direction);
    EXPECT_EQ(TextAt(runs, 16, 0.02), lines.studs);
    EXPECT_EQ(TextAt(runs, 20, 0.33).find(SetupSign(row) < 0 ? ")  - 1" : ")  + 1"), 8u);
  }
  window.Select(IDC_HAND_CUT_CHOOSER, 2);
  EXPECT_EQ(TextAt(ComposeSetupSheet(window, result), 16, 0.02),
            "Intermediate studs: Index: 1; Feed: 1");
}

// The job lines show what fits on the sheet; the arithmetic uses the
// longer reads.
TEST_F(WorkedSheet, LongFieldTextsAreCutOnTheirLinesOnly) {
  window.SetText(IDC_INDEX_CONST, "1234567");
  window.SetText(IDC_FEED_CONST, "0.0750000000000000000000000000000000000000000");  // 45
  window.SetText(IDC_HOB_THREADS, "123");
  const std::vector<SheetRun> runs = ComposeSetupSheet(window, result);
  EXPECT_EQ(TextAt(runs, 3, 0.02), "Index Constant: 123456");
  EXPECT_EQ(TextAt(runs, 19, 0.33), "41 * 1234567 * 12 = 607406964");
  EXPECT_EQ(TextAt(runs, 4, 0.02), "Feed Constant: 0.07500000000000000000000000000000000000");
  EXPECT_EQ(TextAt(runs, 17, 0.02), "Hob Threads: 12");
}

TEST_F(WorkedSheet, FeedConstantAboveThreeIsShownAsItsReciprocal) {
  window.SetText(IDC_FEED_CONST, "12");
  const std::vector<SheetRun> runs = ComposeSetupSheet(window, result);
  EXPECT_EQ(TextAt(runs, 4, 0.02), "Feed Constant: 12");
  EXPECT_EQ(TextAt(runs, 28, 0.02),
            "((40 * 20) / (60 * 50)) - (Pn / (sin(y) * 41 * 0.08333333333333333333333333333333))");
}

// Without a display (the command-line solver) the lead and actual-feed
// lines come out as the display would have written them.
TEST_F(WorkedSheet, DetachedSheetEvaluatesTheDisplaysLines) {
  const std::string lead = window.GetText(IDC_LEAD_LINE, 100);
  const std::string feed = window.GetText(IDC_ACTUAL_FEED_TEXT, 100);
  MemoryControls bare(4);
  SetSheetJob(bare, SheetJob{});
  const std::vector<SheetRun> runs = ComposeDetachedSetupSheet(bare, result);
  EXPECT_EQ(TextAt(runs, 10, 0.02), lead);
  EXPECT_EQ(TextAt(runs, 11, 0.02), ActualFeedSheetLine(feed));
  // Where the window has them, they are the window's.
  bare.SetText(IDC_LEAD_LINE, "Lead: as shown");
  EXPECT_EQ(TextAt(ComposeDetachedSetupSheet(bare, result), 10, 0.02), "Lead: as shown");
}

// Texts the fields refuse, or values no job has, still give a whole sheet
// (with "inf" and "nan" where the arithmetic has no value), never a crash.
TEST(DegenerateSheet, ComposesWhateverTheFieldsHold) {
  const struct {
    const char* indexConst;
    const char* feedConst;
    const char* helix;
    const char* pitch;
    const char* threads;
  } jobs[] = {
      {"0", "0", "0", "0", ""},
      {"", "", "", "", "x"},
      {".", "3.", "90", ".5", "24"},
      {"99999999999999999999999999999999999999999999999999999999999",
       "99999999999999999999999999999999999999999999999999999999999",
       "99999999999999999999999999999999999999999999999999999999999",
       "99999999999999999999999999999999999999999999999999999999999", "99"},
  };
  const SolveResult zero{};  // no tooth counts, C = 0
  const SolveResult real = Result({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41");
  for (const auto& j : jobs) {
    SCOPED_TRACE(j.helix);
    MemoryControls window(4);
    window.SetText(IDC_INDEX_CONST, j.indexConst);
    window.SetText(IDC_FEED_CONST, j.feedConst);
    window.SetText(IDC_HELIX_ANGLE, j.helix);
    window.SetText(IDC_NORMAL_DIAMETRAL_PITCH, j.pitch);
    window.SetText(IDC_HOB_THREADS, j.threads);
    for (const SolveResult* r : {&zero, &real}) {
      const std::vector<SheetRun> runs = ComposeDetachedSetupSheet(window, *r);
      EXPECT_EQ(runs.size(), 33u);  // all but the five set-up lines: no row chosen
      EXPECT_EQ(TextAt(runs, 1, 0.5), kSheetTitle);
    }
  }
}

// The regression job on the default stock: a real Solve. Its C constants
// are fractions (803/35 for the best train); with helix 30 and Kf = 3/40,
// C = p s / (30 q - 40 p) for an index train p / q exactly, and the sheet
// must recover that fraction from the stored 100-digit C and show an
// equation that the train satisfies.
TEST(RegressionJobSheet, EveryResultsEquationHoldsForItsTrain) {
  MemoryControls window(4);
  SheetJob job;
  job.helix = "30";
  job.teeth = 40;
  SetSheetJob(window, job);
  testing::SetStockRange(window, 30, 90);
  const std::vector<SolveResult> results = testing::Solve(window);
  ASSERT_GE(results.size(), 20u);
  using Rational = boost::multiprecision::cpp_rational;
  for (std::size_t i = 0; i < 20; ++i) {
    const SolveResult& r = results[i];
    SCOPED_TRACE(::testing::Message() << i << ": " << r.indexNumerator.first << "x"
                                      << r.indexNumerator.second << " / " << r.indexDenominator.first
                                      << "x" << r.indexDenominator.second << " C " << r.C);
    const BigInt up = BigInt(r.indexNumerator.first) * r.indexNumerator.second;
    const BigInt down = BigInt(r.indexDenominator.first) * r.indexDenominator.second;
    const Rational exactC = Rational(BigInt(-up)) / Rational(BigInt(30 * down - 40 * up));
    const ExactRatio c = SheetRatioOfC(r.C);
    EXPECT_EQ(Rational(c.numerator) / Rational(c.denominator), exactC);

    const IndexEquation e = MakeIndexEquation(c, 30, 1, 40, -1, r);
    EXPECT_EQ(e.x * down, e.y * up);
    EXPECT_EQ(e.x * e.a, up * e.b);
    EXPECT_EQ(e.y * e.a, down * e.b);

    // The sheet's signed feed error is the display's, to its 12 decimals.
    ShowResult(window, results, i);
    const std::vector<SheetRun> runs = ComposeSetupSheet(window, r);
    const std::string shown = window.GetText(IDC_FEED_ERROR_LINE, 100);
    const Decimal100 displayed(shown.substr(std::string("Feed Error: ").size()));
    const Decimal100 printed(TextAt(runs, 30, 0.02).substr(std::string("Feed error: ").size()));
    EXPECT_LE(abs(printed - displayed), Decimal100("0.5e-12")) << shown;
    if (c.denominator > 1) {
      EXPECT_NE(TextAt(runs, 28, 0.02).find("((Pn * " + c.denominator.str() + ") / (sin(y)"),
                std::string::npos);
    }
  }
}

}  // namespace
}  // namespace corvanta
