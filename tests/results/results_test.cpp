// The machine set-ups, and the cut of the actual-feed text (the result
// display's tests hold every text against exact values).
#include <gtest/gtest.h>

#include <string>

#include "numeric/constants.h"
#include "results/machine_setup.h"
#include "results/result_texts.h"

namespace corvanta {
namespace {

// The eight rows follow the machine's rules, and their texts their fields
// (except row 2's studs line).
TEST(SetupTable, EveryRowFollowsTheMachineRulesAndItsTextsItsFields) {
  for (int row = 0; row < kSetupRowCount; ++row) {
    SCOPED_TRACE(row);
    const MachineSetup* s = SetupForRow(row);
    ASSERT_EQ(s, &SetupTable()[static_cast<std::size_t>(row)]);
    const bool rightHob = s->hobHand == Hand::kRight, climb = s->typeOfCut == CutType::kClimb;
    EXPECT_EQ(rightHob, row < 4);
    EXPECT_EQ(s->gearHand == Hand::kRight, row == 0 || row == 1 || row == 6 || row == 7);
    EXPECT_EQ(climb, row % 2 == 1);
    EXPECT_EQ(s->sign, (s->hobHand == s->gearHand) != climb ? -1 : +1);
    EXPECT_EQ(SetupSign(row), s->sign);
    EXPECT_EQ(s->directionOfCut == CutDirection::kTopComing, rightHob);
    EXPECT_EQ(s->indexStuds, rightHob ? 1 : 2);
    EXPECT_EQ(s->feedStuds, rightHob == climb ? 2 : 1);

    EXPECT_EQ(s->chooser.sign, std::string(s->sign < 0 ? "-" : "+"));
    EXPECT_EQ(s->sheet.sign, std::string(s->sign < 0 ? "Sign: Minus" : "Sign: Plus"));
    EXPECT_EQ(s->sheet.studs, std::string(row == 2 ? "Intermediate studs" : "Intermediate Studs") +
                                  ": Index: " + std::to_string(s->indexStuds) +
                                  "; Feed: " + std::to_string(s->feedStuds));
  }
  EXPECT_EQ(SetupForRow(8), nullptr);
  EXPECT_EQ(SetupSign(8), +1);  // no row: the sign +1
}

TEST(ActualFeedText, TheLastShownDecimalIsCutNotRounded) {
  // 0.025 / cos 30 = 0.0288675134595...: 11 decimals round to ...346, shown ...34.
  const Decimal100 actual("0.025");
  EXPECT_EQ(ActualFeedText(actual, actual / cos(DegreesToRadians(Decimal100(30)))),
            "Actual Feed From C: 0.0250000000 Along Helix Angle: 0.0288675134");
}

}  // namespace
}  // namespace corvanta
