// corvanta-solve's command line read in-process: what each kind of bad
// text is refused with, the set-up row by its meaning, and the nearest
// option to one it does not know.
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "settings/profile_store.h"
#include "tools/refusal_text.h"
#include "tools/solve_options.h"

namespace corvanta {
namespace {

// The line the tool refuses `args` with, or for a job it takes "row " and
// the job's set-up row. Without --settings the job starts from the
// defaults, not from this machine's saved settings.
std::string Read(std::vector<std::string> args) {
  args.insert(args.begin(), kSolveProgram);
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  try {
    const SolveOptions options = ParseSolveOptions(static_cast<int>(argv.size()), argv.data());
    const AppSettings start = options.settingsFile ? StartSettings(options) : DefaultAppSettings();
    return "row " + std::to_string(BuildSolveJob(options, start).entry.setupRow);
  } catch (const Refusal& refusal) {
    return OneLine(refusal.message);
  }
}

std::vector<std::string> Job(const std::vector<std::string>& more) {
  std::vector<std::string> args = {"--helix", "30", "--ndp", "10", "--teeth", "40"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// One case of each kind of refusal, echoes escaped and cut; a settings path
// that is no regular file is refused before it is opened (a pipe would
// wait). Texts a field holds as 0, and leading zeros, are taken.
TEST(SolveOptions, EachKindOfBadTextIsRefusedInItsWords) {
  const std::string folder =
      (std::filesystem::temp_directory_path() / ("corvanta-options-" + std::to_string(getpid())))
          .string();
  std::filesystem::create_directories(folder);
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
