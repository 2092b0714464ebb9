// The numeric fields of the real window: the key filter, Tab, the popup's
// "Paste" and when "&Solve" may be pressed.
#include <gtest/gtest.h>

#include "app/window_fixture.h"

namespace corvanta::testing {
namespace {

using FieldEditingTest = MainWindowFixture;

TEST_F(FieldEditingTest, KeyFilterKeepsOnePointAndRefusesEverythingElse) {
  Type(IDC_HELIX_ANGLE, "1.2.3");
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "1.23");
  EXPECT_EQ(Beeps(), std::vector<unsigned>{kRefusedKeyBeep});

  // A point typed over a selection that holds the old point replaces it;
  // over one that misses it, it is refused.
  Retype(IDC_FEED_CONST, "1.5");
  Select(IDC_FEED_CONST, 0, -1);
  Type(IDC_FEED_CONST, ".");
  EXPECT_EQ(Text(IDC_FEED_CONST), ".");
  Retype(IDC_FEED_CONST, "12.5");
  Select(IDC_FEED_CONST, 0, 2);
  Type(IDC_FEED_CONST, ".");
  EXPECT_EQ(Text(IDC_FEED_CONST), "12.5");
  EXPECT_EQ(Beeps().size(), 2u);

  // Minus, plus, blank, a letter, comma, Enter, Escape, Ctrl+C/V/X/Z.
  for (int field : {IDC_INDEX_CONST, IDC_FEED_CONST, IDC_HELIX_ANGLE, IDC_NORMAL_DIAMETRAL_PITCH,
                    IDC_FEED_RATE}) {
    Retype(field, "7");
    Beeps().clear();
    Type(field, std::string("-+ x,\r\x1b\x03\x16\x18\x1a"));
    EXPECT_EQ(Text(field), "7") << field;
    EXPECT_EQ(Beeps().size(), 11u) << field;
  }
  Retype(IDC_INDEX_CONST, "12.3");  // the field's style refuses the point
  EXPECT_EQ(Text(IDC_INDEX_CONST), "123");
}

TEST_F(FieldEditingTest, TabCrossesBetweenHelixAngleAndPitchSelectingAll) {
  Retype(IDC_NORMAL_DIAMETRAL_PITCH, "12.5");
  Retype(IDC_HELIX_ANGLE, "20");
  Type(IDC_HELIX_ANGLE, "\t");
  EXPECT_EQ(GetFocus(), Item(IDC_NORMAL_DIAMETRAL_PITCH));
  Type(IDC_NORMAL_DIAMETRAL_PITCH, "7\t");  // typed over the whole "12.5"
  EXPECT_EQ(GetFocus(), Item(IDC_HELIX_ANGLE));
  Type(IDC_HELIX_ANGLE, "3");
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "3");
  EXPECT_EQ(Text(IDC_NORMAL_DIAMETRAL_PITCH), "7");
  EXPECT_TRUE(Beeps().empty());
}

TEST_F(FieldEditingTest, PasteIsOfferedOnlyForAPlainNumberThatKeepsOnePoint) {
  struct Case {
    std::optional<std::string> clipboard;
    const char* field;
    int selStart, selEnd;
    bool paste;
  };
  const Case cases[] = {
      {"12.5.1", "", 0, 0, false}, {"abc", "", 0, 0, false},      {"0", "", 0, 0, false},
      {"1500", "", 0, 0, false},   {"1 000", "", 0, 0, false},    {std::nullopt, "", 0, 0, false},
      {"0.5", "", 0, 0, true},     {"0.5", "2.0", 3, 3, false},  // a second point
      {"0.5", "2.0", 0, 1, false},  // the selection misses the point
      {"0.5", "2.0", 1, 2, true},   // the point is replaced
  };
  for (const Case& c : cases) {
    SetClipboard(c.clipboard);
    SetWindowTextA(Item(IDC_FEED_CONST), c.field);
    Select(IDC_FEED_CONST, c.selStart, c.selEnd);
    EXPECT_EQ(PasteOffered(IDC_FEED_CONST), c.paste)
        << "\"" << c.clipboard.value_or("<none>") << "\" over \"" << c.field << "\" "
        << c.selStart << ".." << c.selEnd;
  }
}

// Every field at both ends of its range, with the rest of the job valid.
TEST_F(FieldEditingTest, SolveIsEnabledExactlyInsideEveryFieldsRange) {
  Retype(IDC_HELIX_ANGLE, "20");
  Retype(IDC_NORMAL_DIAMETRAL_PITCH, "10");
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));  // no tooth count yet
  Choose(IDC_NUMBER_OF_TEETH, 19);
  const struct {
    int field;
    const char* text;
    bool valid;
  } cases[] = {
      {IDC_INDEX_CONST, "1", true},               {IDC_INDEX_CONST, "0", false},
      {IDC_INDEX_CONST, "120", true},             {IDC_INDEX_CONST, "121", false},
      {IDC_INDEX_CONST, "", false},               {IDC_FEED_CONST, "0", true},
      {IDC_FEED_CONST, "", true},                 {IDC_FEED_CONST, "90", true},
      {IDC_FEED_CONST, "90.01", false},           {IDC_HELIX_ANGLE, "0.000001", true},
      {IDC_HELIX_ANGLE, "0.0000009", false},      {IDC_HELIX_ANGLE, "89.9", true},
      {IDC_HELIX_ANGLE, "89.91", false},          {IDC_HELIX_ANGLE, "", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "0.35", true}, {IDC_NORMAL_DIAMETRAL_PITCH, "0.349", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "360", true},  {IDC_NORMAL_DIAMETRAL_PITCH, "360.001", false},
      {IDC_NORMAL_DIAMETRAL_PITCH, "", false},    {IDC_FEED_RATE, "0", true},
      {IDC_FEED_RATE, "", true},                  {IDC_FEED_RATE, "0.1", true},
      {IDC_FEED_RATE, "0.1001", false},
  };
  for (const auto& c : cases) {
    const std::string before = Text(c.field);
    Retype(c.field, c.text);
    EXPECT_EQ(Enabled(IDC_SOLVE_BUTTON), c.valid) << c.field << " \"" << c.text << "\"";
    Retype(c.field, before);
    ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON)) << c.field << " back to \"" << before << "\"";
  }
  // Leaving a field validates it too, with no key released in it.
  SetWindowTextA(Item(IDC_NORMAL_DIAMETRAL_PITCH), "0.2");
  SetFocus(Item(IDC_NORMAL_DIAMETRAL_PITCH));
  SetFocus(Item(IDC_FEED_RATE));
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), "");
}

}  // namespace
}  // namespace corvanta::testing
