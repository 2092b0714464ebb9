// corvanta-solve's command line read in-process: what each kind of bad
// text is refused with, the set-up row by its meaning, and the nearest
// option to one it does not know.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "settings/gear_list_text.h"
#include "settings/profile_store.h"
#include "tools/machine_listing.h"
#include "tools/refusal_text.h"
#include "tools/solve_options.h"

namespace corvanta {
namespace {

// The set-up row of the job, the default of Read.
std::string SetupRow(const JobEntry& job) { return "row " + std::to_string(job.setupRow); }

// The line the tool refuses `args` with, or what `show` makes of the job
// it takes. Without --settings the job starts from the defaults, not from
// this machine's saved settings.
std::string Read(std::vector<std::string> args,
                 const std::function<std::string(const JobEntry&)>& show = SetupRow) {
  args.insert(args.begin(), kSolveProgram);
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  try {
    const SolveOptions options = ParseSolveOptions(static_cast<int>(argv.size()), argv.data());
    const AppSettings start = options.settingsFile ? StartSettings(options) : DefaultAppSettings();
    return show(BuildSolveJob(options, start).entry);
  } catch (const Refusal& refusal) {
    return OneLine(refusal.message);
  }
}

std::vector<std::string> Job(const std::vector<std::string>& more) {
  std::vector<std::string> args = {"--helix", "30", "--ndp", "10", "--teeth", "40"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// A fresh folder for a test's files.
std::string Folder(const std::string& name) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / (name + "-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  return folder.string();
}

// One case of each kind of refusal, echoes escaped and cut; a settings path
// that is no regular file is refused before it is opened (a pipe would
// wait). Texts a field holds as 0, and leading zeros, are taken.
TEST(SolveOptions, EachKindOfBadTextIsRefusedInItsWords) {
  const std::string folder = Folder("corvanta-options");
  const std::string large = folder + "/large.ini", pipe = folder + "/pipe.ini";
  std::ofstream(large) << "[Settings]\r\n" << std::string(kProfileFileLimit, ';');
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {Job({"--feed-const", ""}), "row 0"},
      {{"--helix", "30", "--ndp", "10", "--teeth", "040", "--index-const", "0030"}, "row 0"},
      {Job({"--feed-const", "-1\n\x1B]0;title\a\\"}),
       "--feed-const: \"Feed Const:\" must be 0 to 90 in digits and at most one point, up to 40 "
       "characters (got \"-1\\x0A\\x1B]0;title\\x07\\x5C\")"},
      {{"--helix", "30", "--ndp", "10"}, "--teeth: \"Number of Teeth:\" must be chosen, 1 to 500"},
      {Job({"--setup", "8"}),
       "--setup: the set-up row must be a whole number from 0 to 7 (got \"8\")"},
      {Job({"--stock", std::string(200, '1')}),
       "--stock: the gear stock takes 1 to 154 characters '0' and '1' (got "
       "\"1111111111111111111111111111111111111111\"... (200 bytes))"},
      {Job({"--settings", folder}),
       "--settings: \"" + folder + "\" is a folder, not a settings file"},
      {Job({"--settings", pipe}), "--settings: \"" + pipe + "\" is not a regular file"},
      {Job({"--settings", large}),
       "--settings: \"" + large + "\" is too large for a settings file (over 1 MiB)"},
      // The nearest option: one the unknown name begins, else the fewest letters
      // left out, put in or swapped (a letter changed counts two).
      {Job({"--helx\x1B[2J", "30"}), "--helx\\x1B[2J: no such option; did you mean --helix?"},
      {Job({"--teeht=5"}), "--teeht: no such option; did you mean --teeth?"},
      {Job({"--hob-thread"}), "--hob-thread: no such option; did you mean --hob-threads?"},
      {Job({"--set"}), "--set: no such option; did you mean --setup?"},
      {Job({"30\n"}), "The following argument was not expected: 30\\x0A"},
      {Job({"--setup", "2", "--cut", "climb"}),
       "--cut climb disagrees with --setup 2 (RH hob, LH gear, conventional cut)"},
      {Job({"--setup", "5", "--gear", "RH", "--cut", "conventional"}),
       "--gear RH and --cut conventional disagree with --setup 5 (LH hob, LH gear, climb cut)"},
      {Job({"--hob", "XX"}), "--hob: XX not in {RH,LH}"},
      {Job({"--csv", "--json"}),
       "--csv without a FILE and --json both print on standard output: give --csv a FILE"},
  };
  for (const auto& [args, refusal] : cases) EXPECT_EQ(Read(args), refusal);
  std::filesystem::remove_all(folder);
}

// The settings file of the machine tests: two machines, "Hob 1" current,
// the section "Settings" unlike either.
std::string MachineFile(const std::string& folder) {
  const std::string path = folder + "/machines.ini";
  std::ofstream(path, std::ios::binary)
      << "[Settings]\r\nIndex Constant=30\r\nMachine=hob 1\r\n"
         "[Machine: Mill 2]\r\nIndex Constant=40\r\nFeed Constant=2.5\r\nFeed Rate=.030\r\n"
         "Change Gears=111110001000000000000001110\r\n"
         "[Machine: Hob 1]\r\nIndex Constant=24\r\nFeed Rate=\x1B[2J\r\nChange Gears=0\r\n";
  return path;
}

// What a job takes from --machine (options given as well first), --gears
// and --stock; and how bad ones are refused.
TEST(SolveOptions, MachinesAndGearListsGiveTheJobOrAreRefused) {
  const std::string folder = Folder("corvanta-machines");
  const std::string file = MachineFile(folder), empty = folder + "/empty.ini";
  std::ofstream(empty) << "[Settings]\r\nIndex Constant=30\r\n";
  // The job's saved fields and its gears as a list, or the refusal.
  const auto read = [](const std::vector<std::string>& more) {
    return Read(Job(more), [](const JobEntry& job) {
      const AppSettings& s = job.settings;
      return s.indexConstant + " " + s.feedConstant + " " + s.feedRate + " " +
             GearListText(s.gearStockText);
    });
  };
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--settings", file}, "30 0.075 .025 30-90"},
      {{"--settings", file, "--machine", "MILL 2"}, "40 2.5 .030 16-20,24,39-41"},
      {{"--settings", file, "--machine", "Mill 2", "--index-const", "48", "--gears", "20-25"},
       "48 2.5 .030 20-25"},
      {{"--settings", file, "--machine", "Hob 1"},
       "--machine \"Hob 1\": \"Feed Rate:\" must be 0 to 0.1 in digits and at most one point, "
       "up to 10 characters (got \"\\x1B[2J\")"},
      {{"--settings", file, "--machine", "Mil2"},
       "--machine: no saved machine is named \"Mil2\"; the nearest is \"Mill 2\""},
      {{"--settings", file, "--machine", "hob"},
       "--machine: no saved machine is named \"hob\"; the nearest is \"Hob 1\""},
      {{"--settings", empty, "--machine", "Mill 2"},
       "--machine: no machine is saved in \"" + empty + "\" (got \"Mill 2\")"},
      {{"--gears", " 30-90 , 127"}, "30 0.075 .025 30-90,127"},
      {{"--gears", "30-90", "--stock", "1"}, "--stock excludes --gears"},
      {{"--gears", "30,x\n"}, "--gears: \"x\\x0A\" is no tooth count (got \"30,x\\x0A\")"},
      {{"--gears", ""}, "--gears: the list is empty (got \"\")"},
  };
  for (const auto& [args, expected] : cases) EXPECT_EQ(read(args), expected);
  std::filesystem::remove_all(folder);
}

// --list-machines: one line a machine in the file's order, the current one
// marked, the gears as --gears takes them, the file's bytes escaped.
TEST(SolveOptions, MachineListingMarksTheCurrentMachine) {
  MachineList list;
  list.machines = {{"Mill 2", {"40", "2.5", ".030", "111110001000000000000001110"}},
                   {"Hob 1", {"24", "", "\x1B[2J", "0"}}};
  list.current = 1;
  EXPECT_EQ(MachineListing(list),
            "  Mill 2: Index Constant 40, Feed Constant 2.5, Feed Rate .030, Gears 16-20,24,39-41\n"
            "* Hob 1: Index Constant 24, Feed Constant (empty), Feed Rate \\x1B[2J, Gears none\n");
  EXPECT_EQ(MachineListing(MachineList{}), "");
}

// Rows by their full meaning, in any case; a part meaning completed from
// row 0 or from the --setup row it agrees with (a disagreement is refused
// above).
TEST(SetupOptions, TheMeaningChoosesTheRowTheRestFromTheSetupRow) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {Job({}), "row 0"},
      {Job({"--hob", "RH", "--gear", "RH", "--cut", "climb"}), "row 1"},
      {Job({"--hob", "LH", "--gear", "RH", "--cut", "climb"}), "row 7"},
      {Job({"--hob", "LH"}), "row 6"},
      {Job({"--hob", "lh", "--cut", "CLIMB"}), "row 7"},
      {Job({"--setup", "5", "--hob", "LH"}), "row 5"},
  };
  for (const auto& [args, row] : cases) EXPECT_EQ(Read(args), row);
}

}  // namespace
}  // namespace corvanta
