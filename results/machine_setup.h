// The eight machine set-ups the operator chooses from.
//
// Each row of the HandCutChooser is one complete MachineSetup of the hobbing
// machine: hob and gear hands, type of cut, the sign with which the helix
// correction enters the index train, the hob's direction against the work,
// and the idler studs of both trains (for the machine sizes the program is
// tuned for). Everything that depends on the choice reads this table by the
// chosen row, the setupRow (0 to 7).
#ifndef CORVANTA_RESULTS_MACHINE_SETUP_H
#define CORVANTA_RESULTS_MACHINE_SETUP_H

#include <array>

#include "settings/job_fields.h"

namespace corvanta {

enum class Hand { kRight, kLeft };
enum class CutType { kConventional, kClimb };
enum class CutDirection { kTopComing, kTopGoing };

// The short texts drawn in the chooser's columns (ASCII; the drawing code
// widens them).
struct SetupChooserTexts {
  const char* hob;
  const char* gear;
  const char* typeOfCut;
  const char* sign;
  const char* work;
  const char* indexStuds;
  const char* feedStuds;
};

// The five set-up lines of the printed sheet, in the order printed.
struct SetupSheetLines {
  const char* hand;
  const char* cut;
  const char* sign;
  const char* direction;
  const char* studs;
};

struct MachineSetup {
  Hand hobHand;
  Hand gearHand;
  CutType typeOfCut;
  int sign;  // +1 or -1: the index train's denominator is C x N + sign
  CutDirection directionOfCut;
  int indexStuds;
  int feedStuds;
  SetupChooserTexts chooser;
  SetupSheetLines sheet;
};

const std::array<MachineSetup, kSetupRowCount>& SetupTable();

// The set-up of row `row`, or nullptr for any other value (the -1 of an
// empty selection included).
const MachineSetup* SetupForRow(int row);

// -1 for rows 0, 3, 4 and 7; +1 for every other value, so a missing
// selection computes as +1.
int SetupSign(int row);

}  // namespace corvanta

#endif
