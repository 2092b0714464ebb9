#include <gtest/gtest.h>

#include <string>

#include "results/machine_setup.h"

namespace corvanta {
namespace {

std::string HandWord(Hand h) { return h == Hand::kRight ? "Right" : "Left"; }

// Every text of a row follows from its fields except row 2's studs line;
// deriving them here catches a wrong word or a field that disagrees with its
// text.
TEST(SetupTable, TextsAgreeWithTheFields) {
  for (int row = 0; row < kSetupRowCount; ++row) {
    SCOPED_TRACE(row);
    const MachineSetup& s = SetupTable()[static_cast<std::size_t>(row)];
    const bool climb = s.typeOfCut == CutType::kClimb;
    const bool coming = s.directionOfCut == CutDirection::kTopComing;
    EXPECT_EQ(s.chooser.hob, std::string(s.hobHand == Hand::kRight ? "RH" : "LH"));
    EXPECT_EQ(s.chooser.gear, std::string(s.gearHand == Hand::kRight ? "RH" : "LH"));
    EXPECT_EQ(s.chooser.typeOfCut, std::string(climb ? "Climb" : "Conventional"));
    EXPECT_EQ(s.chooser.sign, std::string(s.sign < 0 ? "-" : "+"));
    EXPECT_EQ(s.chooser.work, std::string(coming ? "TC" : "TG"));
    EXPECT_EQ(s.chooser.indexStuds, std::to_string(s.indexStuds));
    EXPECT_EQ(s.chooser.feedStuds, std::to_string(s.feedStuds));
    EXPECT_EQ(s.sheet.hand, "Using: " + HandWord(s.hobHand) + "-Handed Hob to cut: " +
                                HandWord(s.gearHand) + "-Handed Gear");
    EXPECT_EQ(s.sheet.cut, std::string("Type of Cut: ") + s.chooser.typeOfCut);
    EXPECT_EQ(s.sheet.sign, std::string(s.sign < 0 ? "Sign: Minus" : "Sign: Plus"));
    EXPECT_EQ(s.sheet.direction, std::string("Direction of Cut: Top ") + (coming ? "Coming" : "Going"));
    EXPECT_EQ(s.sheet.studs, std::string(row == 2 ? "Intermediate studs" : "Intermediate Studs") +
                                 ": Index: " + s.chooser.indexStuds + "; Feed: " + s.chooser.feedStuds);
  }
}

// The machine rules behind the rows: right-hand hobs in rows 0-3, the
// helix correction negative when "same hands and conventional" or
// "different hands and climb", one index stud and top coming exactly with a
// right-hand hob, two feed studs for right-hand climb or left-hand
// conventional.
TEST(SetupTable, RowsFollowTheMachineRules) {
  for (int row = 0; row < kSetupRowCount; ++row) {
    SCOPED_TRACE(row);
    const MachineSetup* s = SetupForRow(row);
    ASSERT_NE(s, nullptr);
    const bool rightHob = s->hobHand == Hand::kRight;
    const bool sameHands = s->hobHand == s->gearHand;
    const bool climb = s->typeOfCut == CutType::kClimb;
    EXPECT_EQ(rightHob, row < 4);
    EXPECT_EQ(s->gearHand == Hand::kRight, row == 0 || row == 1 || row == 6 || row == 7);
    EXPECT_EQ(climb, row % 2 == 1);
    EXPECT_EQ(s->sign, sameHands != climb ? -1 : +1);
    EXPECT_EQ(SetupSign(row), (153 >> row) & 1 ? -1 : +1);
    EXPECT_EQ(s->directionOfCut == CutDirection::kTopComing, rightHob);
    EXPECT_EQ(s->indexStuds, rightHob ? 1 : 2);
    EXPECT_EQ(s->feedStuds, rightHob == climb ? 2 : 1);
  }
}

TEST(SetupTable, NoRowMeansNoSetupAndPlus) {
  for (const int row : {-1, 8, 1000}) {
    EXPECT_EQ(SetupForRow(row), nullptr) << row;
    EXPECT_EQ(SetupSign(row), +1) << row;
  }
}

}  // namespace
}  // namespace corvanta
