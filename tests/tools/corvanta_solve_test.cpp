// corvanta-solve from the outside: run as a separate process, its output
// checked against exact arithmetic from the tooth counts it prints, its
// JSON parsed back, its refusals, and the split by processor count.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>

#include "resources/corvanta_version.h"
#include "settings/profile_store.h"
#include "tests/support/exact_display.h"
#include "tests/support/search_job.h"

namespace corvanta {
namespace {

using testing::ExactDisplay;
using testing::Rational;

struct ToolRun {
  int status = -1;
  std::string out, err;
};

// The tools' data folder (no saved settings of the machine leak in) and the
// runs' output files, removed when the tests end.
const std::string& Scratch() {
  static const struct Folder {
    std::string path = [] {
      char name[] = "/tmp/corvanta-solve-test-XXXXXX";
      return std::string(mkdtemp(name));
    }();
    ~Folder() {
      std::error_code ec;
      std::filesystem::remove_all(path, ec);
    }
  } folder;
  return folder.path;
}

std::string FileText(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// Runs the tool once per argument list, up to eight at a time, each killed
// after 60 seconds (status 137 then); arguments reach it byte for byte.
std::vector<ToolRun> RunTools(const std::vector<std::vector<std::string>>& argLists) {
  std::vector<std::string> environment = {"XDG_DATA_HOME=" + Scratch()};
  for (char** e = environ; *e != nullptr; ++e)
    if (std::string_view(*e).rfind("XDG_DATA_HOME=", 0) != 0) environment.push_back(*e);
  std::vector<char*> envp;
  for (std::string& entry : environment) envp.push_back(entry.data());
  envp.push_back(nullptr);

  std::vector<ToolRun> runs(argLists.size());
  std::map<pid_t, std::size_t> running;
  const auto output = [](std::size_t i, const char* stream) {
    return Scratch() + "/run" + std::to_string(i) + stream;
  };
  const auto waitForOne = [&] {
    int status = 0;
    const pid_t pid = waitpid(-1, &status, 0);
    const auto found = running.find(pid);
    if (found == running.end()) return;
    ToolRun& run = runs[found->second];
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    run.out = FileText(output(found->second, ".out"));
    run.err = FileText(output(found->second, ".err"));
    running.erase(found);
  };
  for (std::size_t i = 0; i < argLists.size(); ++i) {
    if (running.size() == 8) waitForOne();
    std::vector<std::string> args = {"timeout", "-s", "KILL", "60", CORVANTA_SOLVE_EXE};
    args.insert(args.end(), argLists[i].begin(), argLists[i].end());
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&files, 1, output(i, ".out").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, output(i, ".err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = 0;
    const int error = posix_spawnp(&pid, "timeout", &files, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&files);
    EXPECT_EQ(error, 0) << std::strerror(error);
    if (error == 0) running[pid] = i;
  }
  while (!running.empty()) waitForOne();
  return runs;
}

ToolRun RunTool(const std::vector<std::string>& args) { return RunTools({args})[0]; }

std::vector<std::string> Job(const std::vector<std::string>& more = {}) {
  std::vector<std::string> args = {"--helix", "30", "--ndp", "10", "--teeth", "40"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The regression job as JSON with every result, run once per processor count.
const nlohmann::json& RegressionJson(int processors) {
  static std::map<int, nlohmann::json> runs;
  if (runs.count(processors) == 0) {
    const ToolRun run =
        RunTool(Job({"--processors", std::to_string(processors), "--results", "1000", "--json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    runs[processors] = nlohmann::json::parse(run.out);
  }
  return runs[processors];
}

// The geometry of 40 teeth, pitch 10, helix 30: D = 40 / (10 cos 30) = 8 / sqrt(3).
std::vector<std::string> ExpectedGeometry() {
  const Rational d = Rational(8) / testing::Sqrt3Rational();
  return {"Transverse Pitch Dia.: " + testing::RoundedText(d, 4),
          "Outside Dia.: " + testing::RoundedText(d + Rational(1, 5), 4)};
}

// The best train of this job, confirmed by hand against a scan of every
// feed train; each line as the JSON holds it (checked below).
TEST(CorvantaSolve, RegressionJobPrintsTheBestTrainAndTheJsonLines) {
  const ToolRun run = RunTool(Job({"--processors", "2", "--results", "1"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");  // no progress when standard error is no terminal
  std::vector<std::string> lines;
  std::istringstream stream(run.out);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 3u + 9);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 2), ExpectedGeometry());
  const nlohmann::json& out = RegressionJson(2);
  const std::string results = std::to_string(out["results"].get<std::size_t>());
  EXPECT_EQ(lines[2], "225 candidates, " + results + " results, 2 processors");
  EXPECT_EQ(lines[4], "Result 1 of " + results);
  EXPECT_EQ(lines[5], "  Index: 44 73 / 69 62");
  EXPECT_EQ(lines[6], "  Feed:  35 47 / 85 53");
  EXPECT_EQ(lines[7], "  C: 803/35");
  EXPECT_EQ(lines[7], "  " + out["shown"][0]["lines"]["c"].get<std::string>());
  std::size_t at = 8;
  for (const char* name : {"lead", "indexError", "feedError", "actualFeed"})
    EXPECT_EQ(lines[at++], "  " + out["shown"][0]["lines"][name].get<std::string>()) << name;
}

TEST(CorvantaSolve, JsonParsedBackHoldsTheStoredValuesAndTheDisplayLines) {
  const nlohmann::json& out = RegressionJson(2);
  EXPECT_EQ(out["geometry"], nlohmann::json(ExpectedGeometry()));
  EXPECT_EQ(out["candidates"], 225);
  EXPECT_EQ(out["stopped"], false);
  ASSERT_GE(out["shown"].size(), 2u);
  for (std::size_t k = 0; k < 2; ++k) {
    const nlohmann::json& shown = out["shown"][k];
    const std::vector<int> t = shown["teeth"];
    ASSERT_EQ(t.size(), 8u);
    const ExactDisplay d =
        testing::ExpectDisplay({}, {{t[0], t[1]}, {t[2], t[3]}, {t[4], t[5]}, {t[6], t[7]}});
    // The error is stored without its sign, C with the bisection's last
    // 1e-110 that 30 decimals do not show.
    EXPECT_EQ(shown["feedError"], testing::RoundedText(abs(d.feedError), 30));
    EXPECT_EQ(shown["C"], testing::RoundedText(d.c, 30));
    const nlohmann::json& lines = shown["lines"];
    EXPECT_EQ(lines["lead"], d.leadLine);
    EXPECT_EQ(lines["indexError"], d.indexErrorLine);
    EXPECT_EQ(lines["feedError"], d.feedErrorLine);
    EXPECT_EQ(lines["actualFeed"], d.actualFeedText);
  }
}

// One worker keeps its best 200 of all candidates, two keep 200 each of
// their halves: each list is the one its split implies, worked out here.
TEST(CorvantaSolve, OneAndTwoProcessorsGiveTheListsTheirSplitsImply) {
  std::vector<std::array<std::uint16_t, 8>> lists[3];
  for (int processors : {1, 2}) {
    const nlohmann::json& out = RegressionJson(processors);
    EXPECT_EQ(out["processors"], processors);
    for (const nlohmann::json& shown : out["shown"]) lists[processors].push_back(shown["teeth"]);
    EXPECT_EQ(out["results"], lists[processors].size());
    EXPECT_EQ(lists[processors],
              testing::ListTheSplitImplies(testing::Stock(), static_cast<unsigned>(processors)));
  }
  EXPECT_NE(lists[1], lists[2]);
  EXPECT_EQ(lists[1].front(), lists[2].front());
}

// --literal, the search that makes every comparison in 100 digits, prints
// what the default search prints, to the last shown digit of every result.
TEST(CorvantaSolve, TheLiteralSearchPrintsTheSame) {
  const ToolRun run =
      RunTool(Job({"--processors", "2", "--results", "1000", "--json", "--literal"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(nlohmann::json::parse(run.out), RegressionJson(2));
}

// The refusals in their words: echoes escaped and cut, a settings path that
// is no regular file refused before it is opened (a pipe would wait).
TEST(CorvantaSolve, RefusesWhatTheWindowWouldRefuseWithOneLineAndStatusTwo) {
  const std::string large = Scratch() + "/large-settings.ini";
  std::ofstream(large) << "[Settings]\r\n" << std::string(kProfileFileLimit, ';');
  const std::string pipe = Scratch() + "/pipe.ini";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
      {Job({"--index-const", "121"}),
       "--index-const: \"Index Const:\" must be 1 to 120 (got \"121\")"},
      {{"--helix", "30", "--ndp", "10"}, "--teeth: \"Number of Teeth:\" must be chosen, 1 to 500"},
      {Job({"--setup", "8"}),
       "--setup: the set-up row must be a whole number from 0 to 7 (got \"8\")"},
      {Job({"--feed-const", "-1\n\x1B]0;title\a\\"}),  // a text no field could hold
       "--feed-const: \"Feed Const:\" must be 0 to 90 in digits and at most one point, up to 40 "
       "characters (got \"-1\\x0A\\x1B]0;title\\x07\\x5C\")"},
      {Job({"--stock", std::string(200, '1')}),
       "--stock: the gear stock takes 1 to 154 characters '0' and '1' (got "
       "\"1111111111111111111111111111111111111111\"... (200 bytes))"},
      {Job({"--settings", "/nonexistent/settings.ini"}),
       "--settings: cannot read \"/nonexistent/settings.ini\": No such file or directory"},
      {Job({"--settings", Scratch()}),
       "--settings: \"" + Scratch() + "\" is a folder, not a settings file"},
      {Job({"--settings", pipe}), "--settings: \"" + pipe + "\" is not a regular file"},
      {Job({"--settings", "/dev/null"}), "--settings: \"/dev/null\" is not a regular file"},
      {Job({"--settings", large}),
       "--settings: \"" + large + "\" is too large for a settings file (over 1 MiB)"},
      {Job({"--helx", "30"}), "--helx: no such option; did you mean --helix?"},
      {Job({"--helx\x1B[2J", "30"}), "--helx\\x1B[2J: no such option; did you mean --helix?"},
      {Job({"30\n"}), "The following argument was not expected: 30\\x0A"},
      {Job({"--setup", "2", "--cut", "climb"}),
       "--cut climb disagrees with --setup 2 (RH hob, LH gear, conventional cut)"},
      {Job({"--hob", "XX"}), "--hob: XX not in {RH,LH}"},
  };
  std::vector<std::vector<std::string>> commands;
  for (const auto& refusal : refusals) commands.push_back(refusal.first);
  const std::vector<ToolRun> runs = RunTools(commands);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const std::string& message = refusals[i].second;
    EXPECT_EQ(runs[i].status, 2) << message;
    EXPECT_EQ(runs[i].out, "") << message;
    EXPECT_EQ(runs[i].err, "corvanta-solve: " + message + "\n");
  }
}

// The stock text in which the gears of 30 to 70 teeth are owned: 77
// candidates for the job below, a short search.
std::string SmallStock() {
  std::string text;
  for (int teeth = 16; teeth < 170; ++teeth) text += teeth >= 30 && teeth <= 70 ? '1' : '0';
  return text;
}

// Every bad text in every place a text comes in: each run ends within the
// timeout with its documented status, 0 solved (nothing on standard error),
// 2 refused or 1 failed with one printable line that names the option, and
// for a refusal the field and what it takes. A sanitizer's report would
// show on standard error.
TEST(CorvantaSolve, BadInputTable) {
  struct Case {
    std::map<std::string, std::string> options;  // over the small job
    int status;
    std::string begins;  // the line on standard error, up to what it echoes
  };
  std::vector<Case> cases;
  const std::string digits(10000, '7');
  const std::vector<std::string> junk = {"..", "-1", "1e5", digits, "\xC3\xA9", "5\n\x1B[2J"};

  const struct {
    const char *option, *label, *range, *leadingZeros;
    bool zeroPasses;  // "", "." and "0" read as 0, which the range holds
  } fields[] = {
      {"--index-const", "Index Const:", "1 to 120", "0030", false},
      {"--feed-const", "Feed Const:", "0 to 90", "00.075", true},
      {"--feed-rate", "Feed Rate:", "0 to 0.1", "00.025", true},
      {"--helix", "Helix Angle:", "0.000001 to 89.9", "0030", false},
      {"--ndp", "Normal Diametral Pitch:", "0.35 to 360", "0010", false},
  };
  for (const auto& f : fields) {
    const std::string refusal = std::string(f.option) + ": \"" + f.label + "\" must be " + f.range;
    for (const std::string text : {"", ".", "0"})
      cases.push_back({{{f.option, text}}, f.zeroPasses ? 0 : 2, f.zeroPasses ? "" : refusal});
    for (const std::string& text : junk) cases.push_back({{{f.option, text}}, 2, refusal});
    cases.push_back({{{f.option, f.leadingZeros}}, 0, ""});
  }

  const struct {
    const char *option, *label;
    int low, high;
  } wholeNumbers[] = {
      {"--teeth", "\"Number of Teeth:\"", 1, 500},
      {"--hob-threads", "\"Hob Threads:\"", 1, 24},
      {"--setup", "the set-up row", 0, 7},
      {"--processors", "the processor count", 1, 1024},
      {"--results", "the number of results", 0, 1000000},
      {"--sheet-result", "the result number", 1, 1000000},
  };
  const std::string sheet = Scratch() + "/table.pdf";
  for (const auto& w : wholeNumbers) {
    const std::string refusal = std::string(w.option) + ": " + w.label +
                                " must be a whole number from " + std::to_string(w.low) + " to " +
                                std::to_string(w.high);
    const std::vector<std::string> texts = {std::to_string(w.low - 1),
                                            std::to_string(w.high + 1),
                                            "abc",
                                            "1e5",
                                            " 5",
                                            digits,
                                            "5\n\x1B[2J"};
    for (const std::string& text : texts)
      cases.push_back({{{w.option, text}, {"--sheet", sheet}}, 2, refusal});
  }
  cases.push_back({{{"--teeth", ""}}, 2, "--teeth: \"Number of Teeth:\" must be chosen, 1 to 500"});
  cases.push_back({{{"--teeth", "040"}}, 0, ""});

  const std::vector<std::string> stocks = {"", "012", "1 1", "\xC3\xA9", std::string(155, '0')};
  for (const std::string& text : stocks)
    cases.push_back(
        {{{"--stock", text}}, 2, "--stock: the gear stock takes 1 to 154 characters '0' and '1'"});

  // Errors after the Solve: the listing is printed, the sheet is not written.
  cases.push_back({{{"--sheet", Scratch() + "/missing/s.pdf"}},
                   1,
                   "--sheet: cannot write \"" + Scratch() + "/missing/s.pdf\": "});
  cases.push_back({{{"--sheet", sheet}, {"--sheet-result", "900"}},
                   1,
                   "--sheet: there is no result 900 to write a sheet for ("});

  std::vector<std::vector<std::string>> commands;
  for (const Case& c : cases) {
    std::map<std::string, std::string> options = {{"--helix", "30"},     {"--ndp", "10"},
                                                  {"--teeth", "40"},     {"--stock", SmallStock()},
                                                  {"--processors", "2"}, {"--results", "1"}};
    for (const auto& [option, text] : c.options) options[option] = text;
    commands.emplace_back();
    for (const auto& [option, text] : options)
      commands.back().insert(commands.back().end(), {option, text});
  }
  const std::vector<ToolRun> runs = RunTools(commands);
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const ToolRun& run = runs[i];
    std::string given;
    for (const auto& [option, text] : cases[i].options)
      given += " " + option + " " + (text.size() > 20 ? text.substr(0, 20) + "..." : text);
    SCOPED_TRACE(given);
    EXPECT_EQ(run.status, cases[i].status) << run.err;
    if (cases[i].status == 0) {
      EXPECT_EQ(run.err, "");
      continue;
    }
    EXPECT_EQ(run.out.empty(), cases[i].status == 2);
    const std::string prefix = "corvanta-solve: " + cases[i].begins;
    EXPECT_EQ(run.err.substr(0, prefix.size()), prefix) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    EXPECT_TRUE(std::all_of(run.err.begin(), run.err.end() - 1, [](char c) {
      return c >= 0x20 && c < 0x7F;
    })) << run.err;
  }
}

TEST(CorvantaSolve, PrintsTheVersionAndTakesTheSetupRowByItsMeaning) {
  const ToolRun version = RunTool({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "corvanta-solve " CORVANTA_VERSION "\n");

  // Row 7, whose sign and studs differ from row 0's; a small stock keeps
  // the searches short.
  const std::vector<std::string> small = {
      "--stock", "1111111111111111111111110", "--results", "3", "--processors", "1"};
  std::vector<std::string> byRow = Job(small), byMeaning = Job(small);
  byRow.insert(byRow.end(), {"--setup", "7"});
  byMeaning.insert(byMeaning.end(), {"--hob", "LH", "--cut", "climb"});
  const ToolRun row = RunTool(byRow), meaning = RunTool(byMeaning);
  ASSERT_EQ(row.status, 0) << row.err;
  EXPECT_NE(row.out.find("Result 1 of "), std::string::npos) << row.out;
  EXPECT_EQ(meaning.status, 0) << meaning.err;
  EXPECT_EQ(meaning.out, row.out);
}

}  // namespace
}  // namespace corvanta
