// The machine set-ups (the result display's tests hold every text of a
// result against exact values).
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "results/machine_setup.h"

namespace corvanta {
namespace {

// All eight rows: the chooser's texts and the sheet's five lines, exactly
// (row 2's studs line has a small "s"), and the values they stand for.
TEST(SetupTable, EveryRowsTextsLinesAndValues) {
  const char* const R = "Using: Right-Handed Hob to cut: Right-Handed Gear";
  const char* const RL = "Using: Right-Handed Hob to cut: Left-Handed Gear";
  const char* const L = "Using: Left-Handed Hob to cut: Left-Handed Gear";
  const char* const LR = "Using: Left-Handed Hob to cut: Right-Handed Gear";
  const char* const conventional = "Type of Cut: Conventional";
  const char* const climb = "Type of Cut: Climb";
  const char* const coming = "Direction of Cut: Top Coming";
  const char* const going = "Direction of Cut: Top Going";
  const struct {
    std::array<std::string, 7> chooser;  // hob, gear, cut, sign, work, index, feed
    std::array<std::string, 5> sheet;    // hand, cut, sign, direction, studs
  } rows[] = {
      {{"RH", "RH", "Conventional", "-", "TC", "1", "1"},
       {R, conventional, "Sign: Minus", coming, "Intermediate Studs: Index: 1; Feed: 1"}},
      {{"RH", "RH", "Climb", "+", "TC", "1", "2"},
       {R, climb, "Sign: Plus", coming, "Intermediate Studs: Index: 1; Feed: 2"}},
      {{"RH", "LH", "Conventional", "+", "TC", "1", "1"},
       {RL, conventional, "Sign: Plus", coming, "Intermediate studs: Index: 1; Feed: 1"}},
      {{"RH", "LH", "Climb", "-", "TC", "1", "2"},
       {RL, climb, "Sign: Minus", coming, "Intermediate Studs: Index: 1; Feed: 2"}},
      {{"LH", "LH", "Conventional", "-", "TG", "2", "2"},
       {L, conventional, "Sign: Minus", going, "Intermediate Studs: Index: 2; Feed: 2"}},
      {{"LH", "LH", "Climb", "+", "TG", "2", "1"},
       {L, climb, "Sign: Plus", going, "Intermediate Studs: Index: 2; Feed: 1"}},
      {{"LH", "RH", "Conventional", "+", "TG", "2", "2"},
       {LR, conventional, "Sign: Plus", going, "Intermediate Studs: Index: 2; Feed: 2"}},
      {{"LH", "RH", "Climb", "-", "TG", "2", "1"},
       {LR, climb, "Sign: Minus", going, "Intermediate Studs: Index: 2; Feed: 1"}},
  };
  static_assert(std::size(rows) == kSetupRowCount);
  for (int row = 0; row < kSetupRowCount; ++row) {
    SCOPED_TRACE(row);
    const auto& expected = rows[row];
    const MachineSetup* s = SetupForRow(row);
    ASSERT_EQ(s, &SetupTable()[static_cast<std::size_t>(row)]);
    const SetupChooserTexts& c = s->chooser;
    EXPECT_EQ((std::array<std::string, 7>{c.hob, c.gear, c.typeOfCut, c.sign, c.work, c.indexStuds,
                                          c.feedStuds}),
              expected.chooser);
    const SetupSheetLines& l = s->sheet;
    EXPECT_EQ((std::array<std::string, 5>{l.hand, l.cut, l.sign, l.direction, l.studs}),
              expected.sheet);
    const auto hand = [](const std::string& text) {
      return text == "RH" ? Hand::kRight : Hand::kLeft;
    };
    EXPECT_EQ(s->hobHand, hand(expected.chooser[0]));
    EXPECT_EQ(s->gearHand, hand(expected.chooser[1]));
    EXPECT_EQ(s->typeOfCut == CutType::kClimb, expected.chooser[2] == "Climb");
    EXPECT_EQ(s->sign, expected.chooser[3] == "-" ? -1 : +1);
    EXPECT_EQ(SetupSign(row), s->sign);
    EXPECT_EQ(s->directionOfCut == CutDirection::kTopComing, expected.chooser[4] == "TC");
    EXPECT_EQ(std::to_string(s->indexStuds), expected.chooser[5]);
    EXPECT_EQ(std::to_string(s->feedStuds), expected.chooser[6]);
  }
  EXPECT_EQ(SetupForRow(8), nullptr);
  EXPECT_EQ(SetupForRow(-1), nullptr);
  EXPECT_EQ(SetupSign(8), +1);  // no row: the sign +1
}

}  // namespace
}  // namespace corvanta
