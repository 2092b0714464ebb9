// The result display: every text of a result against exact arithmetic from
// its tooth counts (search/display_expectations.h), and the interface it
// restores.
#include <gtest/gtest.h>

#include <cctype>
#include <tuple>
#include <vector>

#include "app/memory_controls.h"
#include "numeric/constants.h"
#include "resources/resource.h"
#include "results/result_display.h"
#include "search/display_expectations.h"

namespace corvanta {
namespace {

using testing::ExactDisplay;
using testing::ExactJob;
using testing::ExpectDisplay;
using testing::Rational;
using testing::Trains;

SolveResult Record(const Trains& t) {
  const auto pair = [](const std::array<int, 2>& p) {
    return ToothPair{static_cast<std::uint16_t>(p[0]), static_cast<std::uint16_t>(p[1])};
  };
  return SolveResult{pair(t.feedDenominator), pair(t.feedNumerator), pair(t.indexDenominator),
                     pair(t.indexNumerator), Decimal100(0), Decimal100(0)};
}

struct DisplayCase {
  const char* name;
  testing::Job job;         // as typed on the page (helix 30 throughout)
  ExactJob exact;           // the same job in exact numbers
  Trains trains;
  const char* cLine;        // also confirmed by the exact arithmetic
};

// Row 0 has the sign -1, row 1 the sign +1.
testing::Job PageJob(int teeth, int row, const char* feedConst = "0.075",
                     const char* indexConst = "30", const char* hobThreads = "1") {
  testing::Job job;
  job.teeth = teeth;
  job.row = row;
  job.feedConst = feedConst;
  job.indexConst = indexConst;
  job.hobThreads = hobThreads;
  return job;
}

ExactJob Exact(int teeth, int sign, Rational feedConstant = Rational(3, 40),
               Rational indexConstant = Rational(30), int hobThreads = 1) {
  ExactJob job;
  job.teeth = teeth;
  job.sign = sign;
  job.feedConstant = feedConstant;
  job.indexConstant = indexConstant;
  job.hobThreads = hobThreads;
  return job;
}

const std::vector<DisplayCase>& Cases() {
  static const std::vector<DisplayCase> cases = {
      // 30 x 35 over 36 x 34 with 35 teeth: C is exactly 35, every part of
      // the index equation is whole at k = 1.
      {"whole C", PageJob(35, 0), Exact(35, -1), {{85, 53}, {47, 35}, {36, 34}, {35, 30}}, "C: 35"},
      // C = 71/2 is first found at k = 4 (142/4), shown reduced.
      {"half C", PageJob(2, 1), Exact(2, +1), {{85, 53}, {47, 35}, {18, 16}, {71, 60}}, "C: 71/2"},
      // C = 18997/11317: no k up to 9999 works.
      {"unrepresentable C", PageJob(1, 0), Exact(1, -1), {{85, 53}, {47, 35}, {16, 16}, {157, 121}},
       ""},
      // C = 1/80 has k = 2400 but is below 1; also pairs of equal gears.
      {"C below 1", PageJob(40, 1), Exact(40, +1), {{60, 60}, {30, 30}, {60, 60}, {30, 30}}, ""},
      // The three best trains of the regression job.
      {"regression 1", PageJob(40, 0), Exact(40, -1), {{85, 53}, {47, 35}, {69, 62}, {73, 44}},
       "C: 803/35"},
      {"regression 2", PageJob(40, 0), Exact(40, -1), {{85, 84}, {67, 41}, {60, 58}, {67, 39}},
       "C: 871/40"},
      {"regression 3", PageJob(40, 0), Exact(40, -1), {{68, 52}, {37, 30}, {79, 36}, {61, 35}},
       "C: 427/16"},
      // A feed train slower than C asks for: the error is negative.
      {"slower feed train", PageJob(40, 0), Exact(40, -1), {{85, 53}, {46, 35}, {69, 62}, {73, 44}},
       "C: 803/35"},
      // A feed constant above 3 is used as its reciprocal.
      {"feed constant inverted", PageJob(40, 0, "13.3333"), Exact(40, -1, Rational(10000, 133333)),
       {{85, 53}, {47, 35}, {69, 62}, {73, 44}}, "C: 803/35"},
      // Other index constant and hob threads; pairs stored smaller first.
      {"two threads", PageJob(57, 2, "0.075", "45", "2"), Exact(57, +1, Rational(3, 40), 45, 2),
       {{53, 85}, {35, 47}, {62, 69}, {44, 73}}, nullptr},
  };
  return cases;
}

// Failures name the case rather than dump its bytes.
void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }

class ResultDisplay : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(ResultDisplay, EveryTextAsExactArithmeticGivesIt) {
  const DisplayCase& c = GetParam();
  MemoryControls controls;
  testing::SetJob(controls, c.job);
  const ExactDisplay expected = ExpectDisplay(c.exact, c.trains);
  if (c.cLine != nullptr) {
    EXPECT_EQ(expected.cLine, c.cLine) << "the case's own note is wrong";
  }

  const std::vector<SolveResult> results = {Record(c.trains)};
  ShowResult(controls, results, 0);
  const auto text = [&](ControlId id) { return controls.GetText(id, 1000); };
  EXPECT_EQ(text(IDC_INDEX_UPPER_LEFT), expected.indexCells[0]);
  EXPECT_EQ(text(IDC_INDEX_UPPER_RIGHT), expected.indexCells[1]);
  EXPECT_EQ(text(IDC_INDEX_LOWER_LEFT), expected.indexCells[2]);
  EXPECT_EQ(text(IDC_INDEX_LOWER_RIGHT), expected.indexCells[3]);
  EXPECT_EQ(text(IDC_FEED_UPPER_LEFT), expected.feedCells[0]);
  EXPECT_EQ(text(IDC_FEED_UPPER_RIGHT), expected.feedCells[1]);
  EXPECT_EQ(text(IDC_FEED_LOWER_LEFT), expected.feedCells[2]);
  EXPECT_EQ(text(IDC_FEED_LOWER_RIGHT), expected.feedCells[3]);
  EXPECT_EQ(text(IDC_C_LINE), expected.cLine);
  EXPECT_EQ(text(IDC_INDEX_ERROR_LINE), expected.indexErrorLine);
  EXPECT_EQ(text(IDC_FEED_ERROR_LINE), expected.feedErrorLine);
  EXPECT_EQ(text(IDC_ACTUAL_FEED_TEXT), expected.actualFeedText);
  EXPECT_EQ(text(IDC_LEAD_LINE), expected.leadLine);
  // The sign is shown, not dropped.
  EXPECT_EQ(expected.feedError < 0, text(IDC_FEED_ERROR_LINE).rfind("Feed Error: -", 0) == 0);
}

INSTANTIATE_TEST_SUITE_P(Trains, ResultDisplay, ::testing::ValuesIn(Cases()),
                         [](const auto& info) {
                           std::string name = info.param.name;
                           for (char& ch : name) {
                             if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                           }
                           return name;
                         });

TEST(ResultDisplayCases, CoverBothFeedErrorSignsAndACutLastDecimal) {
  bool negative = false, positive = false, cutDiffersFromRounding = false;
  for (const DisplayCase& c : Cases()) {
    const ExactDisplay d = ExpectDisplay(c.exact, c.trains);
    (d.feedError < 0 ? negative : positive) = true;
    // Rounding at the tenth decimal would have shown another last digit.
    const Rational along = testing::PiRational() / c.exact.normalPitch / (d.c / 2) /
                           (testing::Sqrt3Rational() / 2);
    const std::string shown = d.actualFeedText.substr(d.actualFeedText.rfind(' ') + 1);
    if (shown != testing::RoundedText(along, 10)) cutDiffersFromRounding = true;
  }
  EXPECT_TRUE(negative);
  EXPECT_TRUE(positive);
  EXPECT_TRUE(cutDiffersFromRounding);
}

TEST(ActualFeedText, TheLastShownDecimalIsCutNotRounded) {
  // 0.025 / cos 30 = 0.0288675134595...: 11 decimals round to ...346, shown ...34.
  const Decimal100 actual("0.025");
  const Decimal100 along = actual / cos(DegreesToRadians(Decimal100(30)));
  EXPECT_EQ(ActualFeedText(actual, along),
            "Actual Feed From C: 0.0250000000 Along Helix Angle: 0.0288675134");
}

TEST(CDenominatorSearch, FindsTheLeastMultiplierForAllSevenOrNone) {
  const Decimal100 half("0.5"), third = Decimal100(1) / 3, whole(7);
  EXPECT_EQ(CDenominatorSearch({whole, whole, whole, whole, whole, whole, whole}), 1);
  EXPECT_EQ(CDenominatorSearch({half, whole, whole, whole, whole, whole, Decimal100("0.25")}), 4);
  // A third in Decimal100 is a hair below 1/3: three of it is not whole.
  EXPECT_EQ(CDenominatorSearch({whole, third, whole, whole, whole, whole, whole}), std::nullopt);
  EXPECT_EQ(CDenominatorSearch({Decimal100("0.0001"), whole, whole, whole, whole, whole, whole}),
            std::nullopt);  // needs 10000
  EXPECT_EQ(CDenominatorSearch({Decimal100(1) / 9999, whole, whole, whole, whole, whole, whole}),
            std::nullopt);  // also just below a whole 1/9999
}

// The regression job on a page with a menu bar of five items, and the two
// best results of its search.
const std::vector<SolveResult>& TwoResults() {
  static const std::vector<SolveResult> results = {
      Record({{85, 53}, {47, 35}, {69, 62}, {73, 44}}),
      Record({{85, 84}, {67, 41}, {60, 58}, {67, 39}}),
  };
  return results;
}

void SetPage(MemoryControls& controls) { testing::SetJob(controls, PageJob(40, 0)); }

// What a Solve leaves locked, hidden and greyed.
void Lock(MemoryControls& controls) {
  for (int item = 0; item < controls.MenuBarItemCount(); ++item)
    controls.EnableMenuBarItem(item, false);
  for (ControlId id : {IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR, IDC_INDEX_CONST, IDC_WHOLE_C_ONLY,
                       IDC_SOLVE_BUTTON, IDC_LEAD_LINE, IDC_HOB_HEAD})
    controls.Enable(id, false);
  for (ControlId id : {IDC_RESULT_SELECTOR, IDC_RESULT_CAPTION, IDC_C_LINE, IDC_FEED_LOWER_RIGHT})
    controls.Show(id, false);
  controls.EnableMenuCommand(IDM_PRINT, false);
}

void ExpectRestored(const MemoryControls& controls) {
  for (int item = 0; item < controls.MenuBarItemCount(); ++item)
    EXPECT_TRUE(controls.IsMenuBarItemEnabled(item)) << item;
  for (ControlId id : {IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR, IDC_INDEX_CONST, IDC_WHOLE_C_ONLY,
                       IDC_LEAD_LINE, IDC_HOB_HEAD})
    EXPECT_TRUE(controls.IsEnabled(id)) << id;
  for (ControlId id : {IDC_RESULT_SELECTOR, IDC_RESULT_CAPTION, IDC_C_LINE, IDC_FEED_LOWER_RIGHT})
    EXPECT_TRUE(controls.IsVisible(id)) << id;
  EXPECT_TRUE(controls.IsMenuCommandEnabled(IDM_PRINT));
  // Validation, not the display, decides about "&Solve".
  EXPECT_FALSE(controls.IsEnabled(IDC_SOLVE_BUTTON));
}

int ResultTextWrites(const MemoryControls& controls) {
  int writes = 0;
  for (ControlId id : {IDC_INDEX_UPPER_LEFT, IDC_FEED_LOWER_RIGHT, IDC_C_LINE, IDC_LEAD_LINE,
                       IDC_INDEX_ERROR_LINE, IDC_FEED_ERROR_LINE, IDC_ACTUAL_FEED_TEXT})
    writes += controls.TextWrites(id);
  return writes;
}

TEST(ShowResult, RestoresTheInterfaceASolveLocked) {
  MemoryControls controls(5);
  SetPage(controls);
  Lock(controls);
  ShowResult(controls, TwoResults(), 1);
  EXPECT_EQ(controls.GetText(IDC_C_LINE, 100), "C: 871/40");
  ExpectRestored(controls);
  EXPECT_EQ(controls.InvalidateCount(), 2);  // the two fraction bars
}

TEST(ShowResult, WithoutAResultToShowOnlyTheInterfaceIsRestored) {
  const std::vector<SolveResult> none;
  for (const auto& [list, position] : {std::pair{&none, std::size_t{0}},
                                       std::pair{&TwoResults(), std::size_t{2}}}) {
    MemoryControls controls(5);
    SetPage(controls);
    Lock(controls);
    ShowResult(controls, *list, position);
    EXPECT_EQ(ResultTextWrites(controls), 0) << list->size() << " results, position " << position;
    ExpectRestored(controls);
  }
}

TEST(ShowResult, APageWithoutANumberLeavesTheDisplayAsItWas) {
  for (const auto& [field, text] : {std::pair{IDC_HELIX_ANGLE, ""}, std::pair{IDC_FEED_CONST, ""},
                                    std::pair{IDC_INDEX_CONST, ""},
                                    std::pair{IDC_NORMAL_DIAMETRAL_PITCH, "1.2.3"}}) {
    MemoryControls controls(5);
    SetPage(controls);
    ShowResult(controls, TwoResults(), 0);
    const std::string shown = controls.GetText(IDC_LEAD_LINE, 100);
    controls.SetText(field, text);
    const int before = ResultTextWrites(controls);
    Lock(controls);
    ShowResult(controls, TwoResults(), 1);
    EXPECT_EQ(ResultTextWrites(controls), before) << field;
    EXPECT_EQ(controls.GetText(IDC_LEAD_LINE, 100), shown) << field;
    ExpectRestored(controls);
  }
}

TEST(ShowResult, SteppingReadsTheFieldsAfresh) {
  MemoryControls controls(5);
  SetPage(controls);
  ShowResult(controls, TwoResults(), 0);
  controls.SetText(IDC_FEED_CONST, "0.08");
  ShowResult(controls, TwoResults(), 0);
  const ExactDisplay expected =
      ExpectDisplay(Exact(40, -1, Rational(2, 25)), {{85, 53}, {47, 35}, {69, 62}, {73, 44}});
  EXPECT_EQ(controls.GetText(IDC_FEED_ERROR_LINE, 100), expected.feedErrorLine);
  EXPECT_EQ(controls.GetText(IDC_LEAD_LINE, 100), expected.leadLine);
}

}  // namespace
}  // namespace corvanta
