// The numeric fields of the real window: the key filter, Tab, the popup's
// "Paste" and when "&Solve" may be pressed.
#include <gtest/gtest.h>

#include "tests/app/window_fixture.h"

namespace corvanta::testing {
namespace {

using FieldEditingTest = MainWindowFixture;

TEST_F(FieldEditingTest, KeyFilterKeepsOnePointAndRefusesEverythingElse) {
  Type(IDC_HELIX_ANGLE, "1.2.3");
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "1.23");
  EXPECT_EQ(Beeps(), std::vector<unsigned>{kRefusedKeyBeep});

  // A point typed over a selection that holds the old point replaces it.
  Retype(IDC_FEED_CONST, "1.5");
  Select(IDC_FEED_CONST, 0, -1);
  Type(IDC_FEED_CONST, ".");
  EXPECT_EQ(Text(IDC_FEED_CONST), ".");
  EXPECT_EQ(Beeps().size(), 1u);

  // Minus, plus, blank, a letter, comma, Enter, Escape, Ctrl+C/V/X/Z.
  Retype(IDC_FEED_RATE, "7");
  Beeps().clear();
  Type(IDC_FEED_RATE, std::string("-+ x,\r\x1b\x03\x16\x18\x1a"));
  EXPECT_EQ(Text(IDC_FEED_RATE), "7");
  EXPECT_EQ(Beeps().size(), 11u);
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
  const struct {
    const char *clipboard, *field;
    int selStart, selEnd;
    bool paste;
  } cases[] = {
      {"12.5.1", "", 0, 0, false}, {"abc", "", 0, 0, false},   {"0", "", 0, 0, false},
      {"1500", "", 0, 0, false},   {"1 000", "", 0, 0, false}, {"0.5", "", 0, 0, true},
      {"0.5", "2.0", 3, 3, false},  // a second point
      {"0.5", "2.0", 0, 1, false},  // the selection misses the point
      {"0.5", "2.0", 1, 2, true},   // the point is replaced
  };
  for (const auto& c : cases) {
    SetClipboard(c.clipboard);
    SetWindowTextA(Item(IDC_FEED_CONST), c.field);
    Select(IDC_FEED_CONST, c.selStart, c.selEnd);
    EXPECT_EQ(PasteOffered(IDC_FEED_CONST), c.paste)
        << "\"" << c.clipboard << "\" over \"" << c.field << "\" " << c.selStart << ".."
        << c.selEnd;
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
  } cases[] = {{IDC_INDEX_CONST, "1", true},
               {IDC_INDEX_CONST, "0", false},
               {IDC_INDEX_CONST, "120", true},
               {IDC_INDEX_CONST, "121", false},
               {IDC_FEED_CONST, "", true},
               {IDC_FEED_CONST, "90.01", false},
               {IDC_HELIX_ANGLE, "0.000001", true},
               {IDC_HELIX_ANGLE, "0.0000009", false},
               {IDC_HELIX_ANGLE, "89.9", true},
               {IDC_HELIX_ANGLE, "89.91", false},
               {IDC_NORMAL_DIAMETRAL_PITCH, "0.35", true},
               {IDC_NORMAL_DIAMETRAL_PITCH, "0.349", false},
               {IDC_NORMAL_DIAMETRAL_PITCH, "360", true},
               {IDC_NORMAL_DIAMETRAL_PITCH, "360.001", false},
               {IDC_FEED_RATE, "0.1", true},
               {IDC_FEED_RATE, "0.1001", false}};
  for (const auto& c : cases) {
    const std::string before = Text(c.field);
    Retype(c.field, c.text);
    EXPECT_EQ(Enabled(IDC_SOLVE_BUTTON), c.valid) << c.field << " \"" << c.text << "\"";
    Retype(c.field, before);
    ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON)) << c.field << " back to \"" << before << "\"";
  }
}

}  // namespace
}  // namespace corvanta::testing
