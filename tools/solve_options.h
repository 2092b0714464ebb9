// corvanta-solve's command line and the job it gives, without running it.
// Every text from the command line or a settings file is checked here: what
// the window could not hold, or the parser does not know, is refused.
#ifndef CORVANTA_TOOLS_SOLVE_OPTIONS_H
#define CORVANTA_TOOLS_SOLVE_OPTIONS_H

#include <array>
#include <cstddef>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "search/search_method.h"
#include "settings/app_settings.h"
#include "settings/job_fields.h"
#include "settings/machines.h"
#include "tools/setup_options.h"
#include "window_model/control_access.h"
#include "window_model/memory_job.h"

namespace corvanta {

inline constexpr const char* kSolveProgram = "corvanta-solve";

// A command line or job that is refused: the run ends with status 2 and
// this message on one line of standard error. Every echo in it is Quoted.
struct Refusal {
  std::string message;
};

// The command line as given.
struct SolveOptions {
  std::array<std::optional<std::string>, std::size(kJobFields)> fieldTexts;  // by JobFieldId
  std::string teeth, hobThreads = "1", setupRow = "0";
  bool setupGiven = false;
  SetupMeaning setupMeaning;  // --hob, --gear, --cut
  bool wholeC = false;
  std::optional<std::string> stock, gears, settingsFile;
  std::optional<std::string> machine;  // --machine NAME
  bool listMachines = false;           // --list-machines: that, and nothing else to do
  std::string processors, resultCount = "10";
  bool json = false, literal = false;
  bool advise = false, advisePairs = false;  // gear advice instead of a Solve
  std::optional<std::string> sheetPath;
  bool csv = false;                    // --csv: every result as CSV
  std::optional<std::string> csvPath;  // its FILE; none: on standard output
  std::string sheetResult = "1";
  std::string help;  // --help, --version: the text to print, and nothing else to do
};

// The job, and what the run does with it.
struct SolveJob {
  JobEntry entry;
  // Where the text of each control came from (an option, or the settings),
  // for a refusal of what it holds.
  std::map<ControlId, std::string> sourceOf;
  std::optional<unsigned> processors;
  int sheetResult = 1;
  std::size_t resultCount = 0;
  SearchMethod method = SearchMethod::kFast;
};

// The command line (argv[0] is the program). Throws Refusal for what the
// parser refuses.
SolveOptions ParseSolveOptions(int argc, const char* const* argv);

// The constants and the stock a run starts from: the --machine of that
// name (any case; an unknown one is refused with the nearest saved name),
// else the section "Settings" of the --settings file or of the program's own
// settings file (their defaults when there are none).
// A --settings path that is not a regular file (a folder, a pipe, a device)
// is refused before it is opened, as is a file too large to be one; throws
// Refusal.
AppSettings StartSettings(const SolveOptions& options);

// The machines of the --settings file or of the program's own settings
// file, with the same refusals of a --settings path as StartSettings.
MachineList StartMachines(const SolveOptions& options);

// The job of the options over the `start` settings, each text refused that
// the window would not hold; throws Refusal.
SolveJob BuildSolveJob(const SolveOptions& options, const AppSettings& start);

}  // namespace corvanta

#endif
