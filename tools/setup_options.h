// The machine set-up row by its meaning: --hob, --gear and --cut, another
// way to give --setup.
#ifndef CORVANTA_TOOLS_SETUP_OPTIONS_H
#define CORVANTA_TOOLS_SETUP_OPTIONS_H

#include <CLI/CLI.hpp>
#include <optional>
#include <string>

namespace corvanta {

// The three options as given, each in its own spelling ("RH", "LH",
// "conventional", "climb") whatever its case on the command line.
struct SetupMeaning {
  std::optional<std::string> hob, gear, cut;
};

// Adds --hob, --gear and --cut to `app`, filling `meaning`, and says in the
// help's footer how they go with --setup.
void AddSetupMeaningOptions(CLI::App& app, SetupMeaning& meaning);

// The row the command line chooses: the row of the given hob hand, gear
// hand and type of cut, each one not given taken from row `setupRow` (the
// row of --setup, 0 when it is not given). With --setup given
// (`setupGiven`), each one given must agree with its row; where one does
// not, nullopt, and `refusal` says which in one line.
std::optional<int> ChooseSetupRow(int setupRow, bool setupGiven, const SetupMeaning& meaning,
                                  std::string* refusal);

}  // namespace corvanta

#endif
