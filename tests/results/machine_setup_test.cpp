#include <gtest/gtest.h>

#include <string>

#include "results/machine_setup.h"

namespace corvanta {
namespace {

// The eight rows follow the machine's rules, and every text its fields
// (except row 2's studs line).
TEST(SetupTable, EveryRowFollowsTheMachineRulesAndItsTextsItsFields) {
  const auto hand = [](Hand h, const char* right, const char* left) { return h == Hand::kRight ? right : left; };
  for (int row = 0; row < kSetupRowCount; ++row) {
    SCOPED_TRACE(row);
    const MachineSetup* s = SetupForRow(row);
    ASSERT_EQ(s, &SetupTable()[static_cast<std::size_t>(row)]);
    const bool rightHob = s->hobHand == Hand::kRight, climb = s->typeOfCut == CutType::kClimb;
    const bool coming = s->directionOfCut == CutDirection::kTopComing;
    EXPECT_EQ(rightHob, row < 4);
    EXPECT_EQ(s->gearHand == Hand::kRight, row == 0 || row == 1 || row == 6 || row == 7);
    EXPECT_EQ(climb, row % 2 == 1);
    EXPECT_EQ(s->sign, (s->hobHand == s->gearHand) != climb ? -1 : +1);
    EXPECT_EQ(SetupSign(row), s->sign);
    EXPECT_EQ(coming, rightHob);
    EXPECT_EQ(s->indexStuds, rightHob ? 1 : 2);
    EXPECT_EQ(s->feedStuds, rightHob == climb ? 2 : 1);

    EXPECT_STREQ(s->chooser.hob, hand(s->hobHand, "RH", "LH"));
    EXPECT_STREQ(s->chooser.gear, hand(s->gearHand, "RH", "LH"));
    EXPECT_EQ(s->chooser.typeOfCut, std::string(climb ? "Climb" : "Conventional"));
    EXPECT_EQ(s->chooser.sign, std::string(s->sign < 0 ? "-" : "+"));
    EXPECT_EQ(s->chooser.work, std::string(coming ? "TC" : "TG"));
    EXPECT_EQ(s->chooser.indexStuds, std::to_string(s->indexStuds));
    EXPECT_EQ(s->chooser.feedStuds, std::to_string(s->feedStuds));
    EXPECT_EQ(s->sheet.hand, std::string("Using: ") + hand(s->hobHand, "Right", "Left") + "-Handed Hob to cut: " +
                                 hand(s->gearHand, "Right", "Left") + "-Handed Gear");
    EXPECT_EQ(s->sheet.cut, std::string("Type of Cut: ") + s->chooser.typeOfCut);
    EXPECT_EQ(s->sheet.sign, std::string(s->sign < 0 ? "Sign: Minus" : "Sign: Plus"));
    EXPECT_EQ(s->sheet.direction, std::string("Direction of Cut: Top ") + (coming ? "Coming" : "Going"));
    EXPECT_EQ(s->sheet.studs, std::string(row == 2 ? "Intermediate studs" : "Intermediate Studs") +
                                  ": Index: " + s->chooser.indexStuds + "; Feed: " + s->chooser.feedStuds);
  }
  for (const int row : {-1, 8}) {  // no row: no set-up, and the sign +1
    EXPECT_EQ(SetupForRow(row), nullptr) << row;
    EXPECT_EQ(SetupSign(row), +1) << row;
  }
}

}  // namespace
}  // namespace corvanta
