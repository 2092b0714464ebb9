// corvanta-solve from the outside: run as a separate process, its output
// checked against exact arithmetic from the tooth counts it prints, its
// JSON parsed back, its refusals, and the split by processor count.
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

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

// Runs the tool with a data folder of its own, so that no saved settings of
// the machine leak in, and its standard error in a file there.
ToolRun RunTool(const std::vector<std::string>& args) {
  static const std::string folder = [] {
    char name[] = "/tmp/corvanta-solve-test-XXXXXX";
    return std::string(mkdtemp(name));
  }();
  std::string command = "XDG_DATA_HOME='" + folder + "' '" CORVANTA_SOLVE_EXE "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  FILE* pipe = popen((command + " 2>'" + folder + "/err.txt'").c_str(), "r");
  ToolRun run;
  char buffer[4096];
  for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
    run.out.append(buffer, got);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ostringstream err;
  err << std::ifstream(folder + "/err.txt").rdbuf();
  run.err = err.str();
  return run;
}

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

TEST(CorvantaSolve, RefusesWhatTheWindowWouldRefuseWithOneLineAndStatusTwo) {
  const std::string large = ::testing::TempDir() + "corvanta-large-settings.ini";
  std::ofstream(large) << "[Settings]\r\n" << std::string(kProfileFileLimit, ';');
  const std::vector<std::pair<std::vector<std::string>, std::string>> refusals = {
      {Job({"--index-const", "121"}),
       "--index-const: \"Index Const:\" must be 1 to 120 (got \"121\")"},
      {{"--helix", "30", "--ndp", "10"}, "--teeth: \"Number of Teeth:\" must be chosen, 1 to 500"},
      {Job({"--setup", "8"}),
       "--setup: the set-up row must be a whole number from 0 to 7 (got \"8\")"},
      {Job({"--feed-const", "-1"}),  // a text no field could hold
       "--feed-const: \"Feed Const:\" takes digits and at most one point, up to 40 characters (got "
       "\"-1\")"},
      {Job({"--settings", "/nonexistent/settings.ini"}),
       "--settings: cannot read \"/nonexistent/settings.ini\""},
      {Job({"--helx", "30"}), "--helx: no such option; did you mean --helix?"},
      {Job({"30"}), "The following argument was not expected: 30"},
      {Job({"--setup", "2", "--cut", "climb"}),
       "--cut climb disagrees with --setup 2 (RH hob, LH gear, conventional cut)"},
      {Job({"--hob", "XX"}), "--hob: XX not in {RH,LH}"},
      {Job({"--settings", large}),
       "--settings: \"" + large + "\" is too large for a settings file (over 1 MiB)"},
  };
  for (const auto& [args, message] : refusals) {
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 2) << message;
    EXPECT_EQ(run.out, "") << message;
    EXPECT_EQ(run.err, "corvanta-solve: " + message + "\n");
  }
  std::remove(large.c_str());
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
