// The machine set-ups, held to the rules their rows follow rather than to a
// copy of their texts. (The result display's tests hold every text of a
// result against exact values.)
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>

#include "results/machine_setup.h"

namespace corvanta {
namespace {

std::string Handed(Hand hand) { return hand == Hand::kRight ? "Right-Handed" : "Left-Handed"; }

// The rows are the eight set-ups in the order of their row index's bits:
// 4 a left-hand hob, 2 a gear of the other hand than the hob, 1 a climb
// cut. From the hands and the cut follow the rest:
// - the helix correction is subtracted (sign -1) when hob and gear have
//   the same hand and the cut is conventional, or the hands differ and the
//   cut is climb: when bits 2 and 1 agree (rows 0, 3, 4, 7);
// - a right-hand hob's top comes towards the work, and its index train
//   needs one idler stud; a left-hand hob's top goes, with two studs;
// - the feed train needs two studs when a right-hand hob cuts climb or a
//   left-hand hob cuts conventional, one otherwise.
// Every text the chooser draws and the sheet prints says what its value is.
TEST(SetupTable, EveryRowFollowsFromItsHandsAndCut) {
  std::set<std::tuple<Hand, Hand, CutType>> seen;
  for (int row = 0; row < kSetupRowCount; ++row) {
    SCOPED_TRACE(row);
    const bool leftHob = row & 4, handsDiffer = row & 2, climb = row & 1;
    const MachineSetup* s = SetupForRow(row);
    ASSERT_EQ(s, &SetupTable()[static_cast<std::size_t>(row)]);
    EXPECT_EQ(s->hobHand, leftHob ? Hand::kLeft : Hand::kRight);
    EXPECT_EQ(s->gearHand == s->hobHand, !handsDiffer);
    EXPECT_EQ(s->typeOfCut, climb ? CutType::kClimb : CutType::kConventional);
    seen.insert({s->hobHand, s->gearHand, s->typeOfCut});

    EXPECT_EQ(s->sign, handsDiffer == climb ? -1 : +1);
    EXPECT_EQ(SetupSign(row), s->sign);
    EXPECT_EQ(s->directionOfCut, leftHob ? CutDirection::kTopGoing : CutDirection::kTopComing);
    EXPECT_EQ(s->indexStuds, leftHob ? 2 : 1);
    EXPECT_EQ(s->feedStuds, leftHob != climb ? 2 : 1);

    const auto shortHand = [](Hand hand) { return hand == Hand::kRight ? "RH" : "LH"; };
    const char* const cut = s->typeOfCut == CutType::kClimb ? "Climb" : "Conventional";
    const bool coming = s->directionOfCut == CutDirection::kTopComing;
    const SetupChooserTexts& c = s->chooser;
    EXPECT_EQ(c.hob, std::string(shortHand(s->hobHand)));
    EXPECT_EQ(c.gear, std::string(shortHand(s->gearHand)));
    EXPECT_EQ(c.typeOfCut, std::string(cut));
    EXPECT_EQ(c.sign, std::string(s->sign < 0 ? "-" : "+"));
    EXPECT_EQ(c.work, std::string(coming ? "TC" : "TG"));
    EXPECT_EQ(c.indexStuds, std::to_string(s->indexStuds));
    EXPECT_EQ(c.feedStuds, std::to_string(s->feedStuds));

    const SetupSheetLines& l = s->sheet;
    EXPECT_EQ(l.hand,
              "Using: " + Handed(s->hobHand) + " Hob to cut: " + Handed(s->gearHand) + " Gear");
    EXPECT_EQ(l.cut, "Type of Cut: " + std::string(cut));
    EXPECT_EQ(l.sign, std::string(s->sign < 0 ? "Sign: Minus" : "Sign: Plus"));
    EXPECT_EQ(l.direction, "Direction of Cut: Top " + std::string(coming ? "Coming" : "Going"));
    // Row 2's studs line has always been printed with a small "s", and
    // printed sheets are compared in the shop.
    EXPECT_EQ(l.studs, std::string(row == 2 ? "Intermediate studs" : "Intermediate Studs") +
                           ": Index: " + std::to_string(s->indexStuds) +
                           "; Feed: " + std::to_string(s->feedStuds));
  }
  EXPECT_EQ(seen.size(), 8u);  // every pair of hands with either cut, once
}

// Only rows 0 to 7 are set-ups; any other row, the -1 of no selection
// included, has none and computes with the sign +1.
TEST(SetupTable, NoSetUpOutsideTheRows) {
  for (const int row : {-1, 8, 153, -2147483647 - 1}) {
    EXPECT_EQ(SetupForRow(row), nullptr) << row;
    EXPECT_EQ(SetupSign(row), +1) << row;
  }
}

}  // namespace
}  // namespace corvanta
