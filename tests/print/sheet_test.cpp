#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>
#include <stdexcept>

#include "numeric/number_text.h"
#include "print/print_lock.h"
#include "print/sheet_content.h"
#include "print/sheet_layout.h"
#include "results/machine_setup.h"
#include "results/result_display.h"
#include "tests/print/sheet_test_support.h"

namespace corvanta {
namespace {

SolveResult Result(ToothPair indexUp, ToothPair indexDown, ToothPair feedUp,
                   ToothPair feedDown, const char* c) {
  return {feedDown, feedUp, indexDown, indexUp, {}, Decimal100(c)};
}

// The text of the run at (row, column) and the runs continuing it, or "".
std::string TextAt(const std::vector<SheetRun>& runs, double row, double column) {
  std::string text;
  bool in = false;
  for (const SheetRun& run : runs) {
    if (run.positioned) {
      if (in) break;
      in = run.row == row && run.column == column;
    }
    if (in) text += run.text;
  }
  return text;
}

// The job of SetSheetJob and the train of C = 41, shown on the display.
struct WorkedSheet : ::testing::Test {
  WorkedSheet() {
    testing::SetSheetJob(window);
    ShowResult(window, {result}, 0);
  }
  std::vector<SheetRun> Runs() const { return ComposeSetupSheet(window, result); }
  MemoryControls window{4};
  SolveResult result = Result({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41");
};

// Every run in drawing order (for the long numbers, how the text begins).
TEST_F(WorkedSheet, RunByRun) {
  using F = SheetFontId;
  using A = SheetAlign;
  const std::vector<SheetRun> runs = Runs();
  const std::string lead = window.GetText(IDC_LEAD_LINE, 43);
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
      {true, 5, 0.02, A::kLeft, F::kSheet, "Helix Angle: 22.5\xB0  (dms: 22\xB0" "30'00.0000\")"},
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
      {true, 24, 0.045, A::kLeft, F::kNarrow, "Pn = 0.31415926535897932384626433832795028841971693993751"},
      {true, 24.8, 0.095, A::kLeft, F::kNarrow, "05820974944592307816406286208998628034825342117068"},
      {true, 26, 0.02, A::kFlow, F::kNarrow, "sin("},
      {false, 0, 0, A::kFlow, F::kGreek, "y"},
      {false, 0, 0, A::kFlow, F::kNarrow, ") = 0.38268343236508977172845998403039886676134456248562"},
      {true, 26.8, 0.095, A::kLeft, F::kNarrow, "70414338006356275460339600896922370137853422835471"},
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
    EXPECT_EQ(e.row == 30 ? runs[i].text.substr(0, e.text.size()) : runs[i].text, e.text);
  }
  EXPECT_EQ(TextAt(runs, 30, 0.02).size(), std::string("Feed error: -0.").size() + 24);
}

// Row 2's five lines and its sign; without a row no lines and a plus sign.
TEST_F(WorkedSheet, SetUpRowLinesAndSign) {
  window.Select(IDC_HAND_CUT_CHOOSER, 2);
  std::vector<SheetRun> runs = Runs();
  const SetupSheetLines& lines = SetupForRow(2)->sheet;
  const std::string texts[] = {lines.hand, lines.cut, lines.sign, lines.direction, lines.studs};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(TextAt(runs, 12 + i, 0.02), texts[i]);
  EXPECT_EQ(TextAt(runs, 20, 0.33), SetupSign(2) < 0 ? "(41 * 41)  - 1 = 1680" : "(41 * 41)  + 1 = 1682");
  window.Select(IDC_HAND_CUT_CHOOSER, -1);
  runs = Runs();
  EXPECT_EQ(runs.size(), 33u);  // the five lines left out
  EXPECT_EQ(TextAt(runs, 20, 0.33), "(41 * 41)  + 1 = 1682");
}

// The job lines show what fits; the arithmetic uses the longer reads, and a
// feed constant above 3 as its reciprocal.
TEST_F(WorkedSheet, FieldTextsAsTheSheetUsesThem) {
  window.SetText(IDC_INDEX_CONST, "1234567");
  window.SetText(IDC_FEED_CONST, "0.0750000000000000000000000000000000000000000");  // 45
  window.SetText(IDC_HOB_THREADS, "123");
  std::vector<SheetRun> runs = Runs();
  EXPECT_EQ(TextAt(runs, 3, 0.02), "Index Constant: 123456");
  EXPECT_EQ(TextAt(runs, 19, 0.33), "41 * 1234567 * 12 = 607406964");
  EXPECT_EQ(TextAt(runs, 4, 0.02), "Feed Constant: 0.07500000000000000000000000000000000000");
  EXPECT_EQ(TextAt(runs, 17, 0.02), "Hob Threads: 12");
  window.SetText(IDC_FEED_CONST, "12");
  runs = Runs();
  EXPECT_EQ(TextAt(runs, 4, 0.02), "Feed Constant: 12");
  EXPECT_EQ(TextAt(runs, 28, 0.02),
            "((40 * 20) / (60 * 50)) - (Pn / (sin(y) * 41 * 0.08333333333333333333333333333333))");
}

// Without a display the lead and actual-feed lines are the display's, or
// the window's where it has them.
TEST_F(WorkedSheet, DetachedSheetEvaluatesTheDisplaysLines) {
  MemoryControls bare(4);
  testing::SetSheetJob(bare);
  const std::vector<SheetRun> runs = ComposeDetachedSetupSheet(bare, result);
  EXPECT_EQ(TextAt(runs, 10, 0.02), window.GetText(IDC_LEAD_LINE, 100));
  EXPECT_EQ(TextAt(runs, 11, 0.02), TextAt(Runs(), 11, 0.02));
  bare.SetText(IDC_LEAD_LINE, "Lead: as shown");
  EXPECT_EQ(TextAt(ComposeDetachedSetupSheet(bare, result), 10, 0.02), "Lead: as shown");
}

// Texts the fields refuse, or values no job has, give a whole sheet, no crash.
TEST(DegenerateSheet, ComposesWhateverTheFieldsHold) {
  const std::string huge(59, '9');
  const std::vector<std::vector<std::string>> jobs = {
      {"0", "0", "0", "0", ""}, {"", "", "", "", "x"}, {".", "3.", "90", ".5", "24"},
      {huge, huge, huge, huge, "99"}};
  for (const auto& j : jobs) {
    SCOPED_TRACE(j[2]);
    MemoryControls window(4);
    const ControlId ids[] = {IDC_INDEX_CONST, IDC_FEED_CONST, IDC_HELIX_ANGLE,
                             IDC_NORMAL_DIAMETRAL_PITCH, IDC_HOB_THREADS};
    for (int i = 0; i < 5; ++i) window.SetText(ids[i], j[i]);
    for (const SolveResult& r : {SolveResult{}, Result({24, 41}, {24, 56}, {20, 40}, {60, 50}, "41")}) {
      const std::vector<SheetRun> runs = ComposeDetachedSetupSheet(window, r);
      EXPECT_EQ(runs.size(), 33u);  // all but the five set-up lines: no row chosen
      EXPECT_EQ(TextAt(runs, 1, 0.5), kSheetTitle);
    }
  }
}

// A real Solve (helix 30, Kf = 3/40: C = -p / (30 q - 40 p) for a train p / q): the
// sheet recovers C's fraction, an equation the train satisfies, the display's error.
TEST(RegressionJobSheet, EveryResultsEquationHoldsForItsTrain) {
  MemoryControls window(4);
  const std::vector<SolveResult> results = testing::SolveRegressionJob(window);
  ASSERT_GE(results.size(), 20u);
  using Rational = boost::multiprecision::cpp_rational;
  for (std::size_t i = 0; i < 20; ++i) {
    const SolveResult& r = results[i];
    SCOPED_TRACE(::testing::Message() << i << ": C " << r.C);
    const BigInt up = BigInt(r.indexNumerator.first) * r.indexNumerator.second;
    const BigInt down = BigInt(r.indexDenominator.first) * r.indexDenominator.second;
    const ExactRatio c = SheetRatioOfC(r.C);
    EXPECT_EQ(Rational(c.numerator) / Rational(c.denominator),
              Rational(BigInt(-up)) / Rational(BigInt(30 * down - 40 * up)));
    const IndexEquation e = MakeIndexEquation(c, 30, 1, 40, -1, r);
    EXPECT_EQ(e.x * e.a, up * e.b);
    EXPECT_EQ(e.y * e.a, down * e.b);

    ShowResult(window, results, i);
    const std::vector<SheetRun> runs = ComposeSetupSheet(window, r);
    const Decimal100 shown(window.GetText(IDC_FEED_ERROR_LINE, 100).substr(12));  // "Feed Error: "
    const Decimal100 printed(TextAt(runs, 30, 0.02).substr(12));                  // "Feed error: "
    EXPECT_LE(abs(printed - shown), Decimal100("0.5e-12"));
    if (c.denominator > 1) {
      EXPECT_NE(TextAt(runs, 28, 0.02).find("((Pn * " + c.denominator.str() + ") / (sin(y)"),
                std::string::npos);
    }
  }
}

// Beside those of RunByRun (22.5 degrees, module 2.54, 4.4378").
TEST(SheetText, NumbersOfTheJobLines) {
  const std::pair<double, const char*> angles[] = {
      {10.123456, "10\xB0" "07'24.4416\""},
      {5.99999999, "06\xB0" "00'00.0000\""},      // 59'59.99996" carries all the way up
      {0.5, "00\xB0" "30'00.0000\""},
      {30.0002777777, "30\xB0" "00'01.0000\""},   // 0.99999972" rounds to a whole second
      {123.5, "123\xB0" "30'00.0000\""},
  };
  for (const auto& [angle, text] : angles) EXPECT_EQ(DegreesMinutesSeconds(angle), text) << angle;
  EXPECT_EQ(ModuleText("0"), "inf");  // never a division the sheet refuses
  EXPECT_EQ(MillimetreText("Outside", kOutsideDiameterCaptionLength), "0.000");
  // A feed of 10 or more: the break still falls before "Along".
  EXPECT_EQ(ActualFeedSheetLine("Actual Feed From C: 12.0000000000 Along Helix Angle: 12.9887369321"),
            "Actual Feed From C: 12.0000000000 \xB7 Along Helix Angle: 12.9887369321");
  const std::pair<const char*, const char*> feedConstants[] = {
      {"0.075", "0.075"}, {"3", "3"}, {"8", "0.125"},
      {"12", "0.08333333333333333333333333333333"},  // 32 decimals
      {"20000", "5e-05"},                              // general notation below 0.0001
      {"", ""}};
  for (const auto& [typed, shown] : feedConstants) EXPECT_EQ(FeedConstantText(typed), shown) << typed;
}

// Index constant 30, one thread, 41 teeth, row 0: X / Y is the train's P / Q
// (C = 41, form 3, in RunByRun).
TEST(SheetText, IndexEquationsOfTheWorkedTrains) {
  const struct {
    ExactRatio c;
    ToothPair numerator, denominator;
    int form;
    const char *xLine, *numeratorSide, *yLine, *denominatorSide;
  } cases[] = {
      {{28, 1}, {24, 35}, {31, 37}, 0, "28 * 30 * 1 = 840", "840 = 35 x 24",
       "(28 * 41)  - 1 = 1147", "1147 = 31 x 37"},
      {{176, 1}, {24, 44}, {37, 39}, 2, "176 * 30 * 1 = 5280", "(5280 / 5) = 1056 = 44 x 24",
       "(176 * 41)  - 1 = 7215", "(7215 / 5) = 1443 = 37 x 39"},
      {{41, 1}, {60, 41}, {56, 60}, 1, "41 * 30 * 1 = 1230", "(1230 * 2) = 2460 = 41 x 60",
       "(41 * 41)  - 1 = 1680", "(1680 * 2) = 3360 = 56 x 60"},
      {{47, 2}, {24, 47}, {35, 44}, 3, "47 * 30 * 1 = 1410", "((1410 * 4) / 5) = 1128 = 47 x 24",
       "(47 * 41)  - 2 = 1925", "((1925 * 4) / 5) = 1540 = 35 x 44"},  // q enters Y
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xLine);
    const IndexEquation e =
        MakeIndexEquation(c.c, 30, 1, 41, -1, Result(c.numerator, c.denominator, {}, {}, "1"));
    EXPECT_EQ(std::tie(e.form, e.xLine, e.numeratorSide, e.yLine, e.denominatorSide),
              std::tie(c.form, c.xLine, c.numeratorSide, c.yLine, c.denominatorSide));
  }
}

// A 600 dpi Letter page with 0.25" / 0.2" margins: 4800 x 6360 printable.
TEST(SheetLayout, GridAndFontsOfA4800By6360Page) {
  const SheetLayout layout = LayoutFromPage(5100, 6600, 150, 120);
  EXPECT_EQ(std::pair(layout.width, layout.height), std::pair(4800, 6360));
  const SheetLayout odd = LayoutFromPage(100, 100, 80, 60);  // margins wider than the page
  EXPECT_EQ(std::pair(odd.width, odd.height), std::pair(0, 0));
  // Rows are 6360 / 36 = 176.67 pixels apart, truncated after scaling.
  const std::pair<double, int> rows[] = {{1, 176}, {18.674, 3299}, {22, 3886}, {32.52, 5745}, {0, 0}};
  for (const auto& [row, y] : rows) EXPECT_EQ(layout.RowY(row), y) << row;
  const std::pair<double, int> columns[] = {{0.02, 96}, {0.315, 1512}, {0.5, 2400}, {0.095, 456}};
  for (const auto& [fraction, x] : columns) EXPECT_EQ(layout.ColumnX(fraction), x) << fraction;
  const auto fonts = SheetFonts(layout);
  const std::tuple<SheetFace, int, int> expected[] = {
      {SheetFace::kArial, 133, 48}, {SheetFace::kArial, 133, 33},  // sheet, narrow
      {SheetFace::kSymbol, 208, 0}, {SheetFace::kSymbol, 120, 0}};  // symbol, Greek
  for (int i = 0; i < kSheetFontCount; ++i) {
    EXPECT_EQ(std::tuple(fonts[i].face, fonts[i].height, fonts[i].width), expected[i]) << i;
  }
}

// The lock set and menu bar are locked, and all released even on a throw,
// the items greyed before (the page on display, "&Solve") included.
TEST(PrintLock, LocksTheSearchSetAndReleasesEverythingEvenOnAnException) {
  MemoryControls window(4);
  window.EnableMenuBarItem(1, false);
  window.Enable(IDC_SOLVE_BUTTON, false);
  try {
    PrintLock lock(window);
    for (int position = 0; position < 4; ++position) EXPECT_FALSE(window.IsMenuBarItemEnabled(position));
    for (ControlId id : ControlLockSet()) EXPECT_FALSE(window.IsEnabled(id)) << id;
    EXPECT_TRUE(window.IsEnabled(IDC_C_LINE));  // the status line stays
    throw std::runtime_error("printer gone");
  } catch (const std::runtime_error&) {
  }
  for (int position = 0; position < 4; ++position) EXPECT_TRUE(window.IsMenuBarItemEnabled(position));
  for (ControlId id : ControlLockSet()) EXPECT_TRUE(window.IsEnabled(id)) << id;
}

}  // namespace
}  // namespace corvanta
