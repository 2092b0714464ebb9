#include "results/machine_setup.h"

namespace corvanta {

namespace {

constexpr Hand R = Hand::kRight;
constexpr Hand L = Hand::kLeft;
constexpr CutType kConv = CutType::kConventional;
constexpr CutType kClimb = CutType::kClimb;
constexpr CutDirection kComing = CutDirection::kTopComing;
constexpr CutDirection kGoing = CutDirection::kTopGoing;

constexpr const char* kRhRh = "Using: Right-Handed Hob to cut: Right-Handed Gear";
constexpr const char* kRhLh = "Using: Right-Handed Hob to cut: Left-Handed Gear";
constexpr const char* kLhLh = "Using: Left-Handed Hob to cut: Left-Handed Gear";
constexpr const char* kLhRh = "Using: Left-Handed Hob to cut: Right-Handed Gear";
constexpr const char* kConvLine = "Type of Cut: Conventional";
constexpr const char* kClimbLine = "Type of Cut: Climb";
constexpr const char* kMinus = "Sign: Minus";
constexpr const char* kPlus = "Sign: Plus";
constexpr const char* kComingLine = "Direction of Cut: Top Coming";
constexpr const char* kGoingLine = "Direction of Cut: Top Going";

// The sheet has always printed row 2's studs line with a small "s"; shops
// compare printed sheets, so the spelling stays as it is.
const std::array<MachineSetup, kSetupRowCount> kSetupTable = {{
    {R,
     R,
     kConv,
     -1,
     kComing,
     1,
     1,
     {"RH", "RH", "Conventional", "-", "TC", "1", "1"},
     {kRhRh, kConvLine, kMinus, kComingLine, "Intermediate Studs: Index: 1; Feed: 1"}},
    {R,
     R,
     kClimb,
     +1,
     kComing,
     1,
     2,
     {"RH", "RH", "Climb", "+", "TC", "1", "2"},
     {kRhRh, kClimbLine, kPlus, kComingLine, "Intermediate Studs: Index: 1; Feed: 2"}},
    {R,
     L,
     kConv,
     +1,
     kComing,
     1,
     1,
     {"RH", "LH", "Conventional", "+", "TC", "1", "1"},
     {kRhLh, kConvLine, kPlus, kComingLine, "Intermediate studs: Index: 1; Feed: 1"}},
    {R,
     L,
     kClimb,
     -1,
     kComing,
     1,
     2,
     {"RH", "LH", "Climb", "-", "TC", "1", "2"},
     {kRhLh, kClimbLine, kMinus, kComingLine, "Intermediate Studs: Index: 1; Feed: 2"}},
    {L,
     L,
     kConv,
     -1,
     kGoing,
     2,
     2,
     {"LH", "LH", "Conventional", "-", "TG", "2", "2"},
     {kLhLh, kConvLine, kMinus, kGoingLine, "Intermediate Studs: Index: 2; Feed: 2"}},
    {L,
     L,
     kClimb,
     +1,
     kGoing,
     2,
     1,
     {"LH", "LH", "Climb", "+", "TG", "2", "1"},
     {kLhLh, kClimbLine, kPlus, kGoingLine, "Intermediate Studs: Index: 2; Feed: 1"}},
    {L,
     R,
     kConv,
     +1,
     kGoing,
     2,
     2,
     {"LH", "RH", "Conventional", "+", "TG", "2", "2"},
     {kLhRh, kConvLine, kPlus, kGoingLine, "Intermediate Studs: Index: 2; Feed: 2"}},
    {L,
     R,
     kClimb,
     -1,
     kGoing,
     2,
     1,
     {"LH", "RH", "Climb", "-", "TG", "2", "1"},
     {kLhRh, kClimbLine, kMinus, kGoingLine, "Intermediate Studs: Index: 2; Feed: 1"}},
}};

}  // namespace

const std::array<MachineSetup, kSetupRowCount>& SetupTable() { return kSetupTable; }

const MachineSetup* SetupForRow(int row) {
  if (row < 0 || row >= kSetupRowCount) return nullptr;
  return &kSetupTable[static_cast<std::size_t>(row)];
}

int SetupSign(int row) {
  const MachineSetup* setup = SetupForRow(row);
  return setup != nullptr ? setup->sign : +1;
}

}  // namespace corvanta
