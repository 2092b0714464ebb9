// The numeric fields of the real window: what typing, Tab and the Copy/Paste
// popup do, and when "&Solve" may be pressed.
#include <gtest/gtest.h>

#include "app/beep.h"
#include "app/window_fixture.h"
#include "resources/resource.h"

namespace corvanta::testing {
namespace {

using FieldEditingTest = MainWindowFixture;

constexpr int kAllFields[] = {IDC_INDEX_CONST, IDC_FEED_CONST, IDC_HELIX_ANGLE,
                              IDC_NORMAL_DIAMETRAL_PITCH, IDC_FEED_RATE};

TEST_F(FieldEditingTest, SecondPointIsRefusedWithABeep) {
  Type(IDC_HELIX_ANGLE, "1.2.3");
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "1.23");
  EXPECT_EQ(Beeps(), std::vector<unsigned>{kRefusedKeyBeep});
}

TEST_F(FieldEditingTest, PointTypedOverASelectionHoldingTheOldPointReplacesIt) {
  Retype(IDC_FEED_CONST, "1.5");
  Select(IDC_FEED_CONST, 0, -1);
  Type(IDC_FEED_CONST, ".");
  EXPECT_EQ(Text(IDC_FEED_CONST), ".");

  Retype(IDC_FEED_CONST, "12.5");
  Select(IDC_FEED_CONST, 0, 2);  // "12", not the point
  Type(IDC_FEED_CONST, ".");
  EXPECT_EQ(Text(IDC_FEED_CONST), "12.5");
  EXPECT_EQ(Beeps().size(), 1u);
}

TEST_F(FieldEditingTest, SignsLettersAndClipboardKeysBeepAndChangeNothing) {
  for (int field : kAllFields) {
    Retype(field, "7");
    Beeps().clear();
    // Minus, plus, blank, a letter, comma, Enter, Escape, Ctrl+C, Ctrl+V,
    // Ctrl+X, Ctrl+Z.
    Type(field, std::string("-+ x,\r\x1b\x03\x16\x18\x1a"));
    EXPECT_EQ(Text(field), "7") << field;
    EXPECT_EQ(Beeps().size(), 11u) << field;
  }
}

TEST_F(FieldEditingTest, DigitsAndBackspaceEdit) {
  Retype(IDC_FEED_RATE, "");
  Type(IDC_FEED_RATE, ".0250\b");
  EXPECT_EQ(Text(IDC_FEED_RATE), ".025");
  EXPECT_TRUE(Beeps().empty());
}

TEST_F(FieldEditingTest, IndexConstantTakesDigitsOnly) {
  Retype(IDC_INDEX_CONST, "12.3a4");
  EXPECT_EQ(Text(IDC_INDEX_CONST), "1234");  // the style refuses the point
  EXPECT_EQ(Beeps().size(), 1u);             // the filter refuses the letter
  // Typing stops at six digits, or earlier where the field's width (it
  // does not scroll) holds fewer: 65 pixels take five or six.
  Retype(IDC_INDEX_CONST, "1234567");
  const std::string text = Text(IDC_INDEX_CONST);
  EXPECT_GE(text.size(), 5u);
  EXPECT_LE(text.size(), 6u);
  EXPECT_EQ(text, std::string("123456").substr(0, text.size()));
}

TEST_F(FieldEditingTest, TabCrossesBetweenHelixAngleAndPitchSelectingAll) {
  Retype(IDC_NORMAL_DIAMETRAL_PITCH, "12.5");
  Retype(IDC_HELIX_ANGLE, "20");
  Type(IDC_HELIX_ANGLE, "\t");
  EXPECT_EQ(GetFocus(), Item(IDC_NORMAL_DIAMETRAL_PITCH));
  EXPECT_EQ(SelectionOf(IDC_NORMAL_DIAMETRAL_PITCH), std::make_pair(0, 4));
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "20");

  Type(IDC_NORMAL_DIAMETRAL_PITCH, "\t");
  EXPECT_EQ(GetFocus(), Item(IDC_HELIX_ANGLE));
  EXPECT_EQ(SelectionOf(IDC_HELIX_ANGLE), std::make_pair(0, 2));
  EXPECT_EQ(Text(IDC_NORMAL_DIAMETRAL_PITCH), "12.5");
  EXPECT_TRUE(Beeps().empty());
}

TEST_F(FieldEditingTest, TabInTheOtherFieldsRevalidatesAndStays) {
  EnterJob("20", "10", 20);
  // Out of range, but no key release has validated it yet.
  SetWindowTextA(Item(IDC_FEED_RATE), "0.5");
  ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  SetFocus(Item(IDC_FEED_RATE));
  SendMessageW(Item(IDC_FEED_RATE), WM_CHAR, '\t', 1);
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_EQ(GetFocus(), Item(IDC_FEED_RATE));
  EXPECT_EQ(Text(IDC_FEED_RATE), "0.5");
}

TEST_F(FieldEditingTest, GeometryLinesFollowTheHelixAnglePitchAndTeeth) {
  Retype(IDC_HELIX_ANGLE, "30");
  Retype(IDC_NORMAL_DIAMETRAL_PITCH, "10");
  EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), "");  // no tooth count yet
  Choose(IDC_NUMBER_OF_TEETH, 19);
  EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), "Transverse Pitch Dia.: 2.3094");
  EXPECT_EQ(Text(IDC_OUTSIDE_DIAMETER_LINE), "Outside Dia.: 2.5094");
  Retype(IDC_HELIX_ANGLE, "");  // an empty angle counts as 0 degrees
  EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), "Transverse Pitch Dia.: 2.0000");
  Retype(IDC_NORMAL_DIAMETRAL_PITCH, "0.34");
  EXPECT_EQ(Text(IDC_OUTSIDE_DIAMETER_LINE), "");
}

// Each case: the clipboard text, the field's text and selection, and
// whether "Paste" is offered.
TEST_F(FieldEditingTest, PasteIsOfferedOnlyForAPlainNumberThatKeepsOnePoint) {
  struct Case {
    std::optional<std::string> clipboard;
    const char* field;
    int selStart, selEnd;
    bool paste;
  };
  const Case cases[] = {
      {"12.5.1", "", 0, 0, false}, {"abc", "", 0, 0, false},
      {"0", "", 0, 0, false},      {"1500", "", 0, 0, false},
      {"1 000", "", 0, 0, false},  {std::nullopt, "", 0, 0, false},
      {"0.5", "", 0, 0, true},     {"1000", "", 0, 0, true},
      {"0.5", "2.0", 3, 3, false},  // nothing selected: a second point
      {"0.5", "2.0", 0, 1, false},  // the point stays outside
      {"0.5", "2.0", 1, 2, true},   // the point is replaced
      {"0.5", "2.0", 0, 3, true},
  };
  for (const Case& c : cases) {
    SetClipboard(c.clipboard);
    SetWindowTextA(Item(IDC_FEED_CONST), c.field);
    Select(IDC_FEED_CONST, c.selStart, c.selEnd);
    const PopupStates states = OpenPopup(IDC_FEED_CONST);
    EXPECT_EQ(states.pasteEnabled, c.paste)
        << "clipboard \"" << c.clipboard.value_or("<none>") << "\" over \"" << c.field << "\" "
        << c.selStart << ".." << c.selEnd;
    EXPECT_EQ(states.copyEnabled, c.selStart < c.selEnd) << c.field;
  }
}

TEST_F(FieldEditingTest, PasteFromThePopupGoesPastTheDigitsOnlyStyle) {
  EnterJob("20", "10", 20);
  SetClipboard("1.5");
  Select(IDC_INDEX_CONST, 0, -1);
  ASSERT_TRUE(OpenPopup(IDC_INDEX_CONST).pasteEnabled);
  ChoosePopupItem(IDC_INDEX_CONST, 2);
  EXPECT_EQ(Text(IDC_INDEX_CONST), "1.5");
  EXPECT_TRUE(Enabled(IDC_SOLVE_BUTTON));  // 1.5 is within 1 to 120
}

TEST_F(FieldEditingTest, PasteUpdatesTheGeometryAndTheSolveButtonAtOnce) {
  EnterJob("20", "10", 20);
  ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  SetClipboard("1000");  // the popup allows it; the helix angle range does not
  Select(IDC_HELIX_ANGLE, 0, -1);
  ChoosePopupItem(IDC_HELIX_ANGLE, 2);
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "1000");
  EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), "");
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));

  SetClipboard("30");
  Select(IDC_HELIX_ANGLE, 0, -1);
  ChoosePopupItem(IDC_HELIX_ANGLE, 2);
  EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), "Transverse Pitch Dia.: 2.3094");
  EXPECT_TRUE(Enabled(IDC_SOLVE_BUTTON));
}

TEST_F(FieldEditingTest, CopyFromThePopupPutsTheSelectionOnTheClipboard) {
  Retype(IDC_FEED_CONST, "0.0625");
  Select(IDC_FEED_CONST, 2, 6);
  ASSERT_TRUE(OpenPopup(IDC_FEED_CONST).copyEnabled);
  ChoosePopupItem(IDC_FEED_CONST, 1);
  Retype(IDC_FEED_RATE, "");
  ChoosePopupItem(IDC_FEED_RATE, 2);
  EXPECT_EQ(Text(IDC_FEED_RATE), "0625");
}

// Every field at both ends of its range, with the rest of the job valid.
TEST_F(FieldEditingTest, SolveIsEnabledExactlyInsideEveryFieldsRange) {
  EnterJob("20", "10", 20);
  struct Case {
    int field;
    const char* text;
    bool valid;
  };
  const Case cases[] = {
      {IDC_INDEX_CONST, "1", true},
      {IDC_INDEX_CONST, "0", false},
      {IDC_INDEX_CONST, "120", true},
      {IDC_INDEX_CONST, "121", false},
      {IDC_INDEX_CONST, "", false},
      {IDC_FEED_CONST, "0", true},
      {IDC_FEED_CONST, "", true},
      {IDC_FEED_CONST, "90", true},
      {IDC_FEED_CONST, "90.01", false},
      {IDC_HELIX_ANGLE, "0.000001", true},
      {IDC_HELIX_ANGLE, "0.0000009", false},
      {IDC_HELIX_ANGLE, "89.9", true},
      {IDC_HELIX_ANGLE, "89.91", false},
      {IDC_HELIX_ANGLE, "", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.35", true},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.349", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "360", true},
      {IDC_NORMAL_DIAMETRAL_PITCH, "360.001", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "", false},
      {IDC_FEED_RATE, "0", true},
      {IDC_FEED_RATE, "", true},
      {IDC_FEED_RATE, "0.1", true},
      {IDC_FEED_RATE, "0.1001", false},
  };
  for (const Case& c : cases) {
    const std::string before = Text(c.field);
    Retype(c.field, c.text);
    EXPECT_EQ(Enabled(IDC_SOLVE_BUTTON), c.valid) << c.field << " \"" << c.text << "\"";
    Retype(c.field, before);
    ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON)) << c.field << " back to \"" << before << "\"";
  }
}

TEST_F(FieldEditingTest, SolveNeedsAToothCount) {
  Retype(IDC_HELIX_ANGLE, "20");
  Retype(IDC_NORMAL_DIAMETRAL_PITCH, "10");
  EXPECT_EQ(Selection(IDC_NUMBER_OF_TEETH), CB_ERR);
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  Choose(IDC_NUMBER_OF_TEETH, 0);
  EXPECT_TRUE(Enabled(IDC_SOLVE_BUTTON));
}

TEST_F(FieldEditingTest, LosingTheFocusValidatesAndUpdatesTheGeometry) {
  EnterJob("20", "10", 20);
  SetWindowTextA(Item(IDC_NORMAL_DIAMETRAL_PITCH), "0.2");
  SetFocus(Item(IDC_NORMAL_DIAMETRAL_PITCH));
  SetFocus(Item(IDC_FEED_RATE));
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), "");
}

}  // namespace
}  // namespace corvanta::testing
