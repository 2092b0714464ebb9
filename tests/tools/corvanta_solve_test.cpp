// corvanta-solve from the outside: run as a separate process, its output
// checked against exact arithmetic from the tooth counts it prints, its
// JSON parsed back, its refusals, the split by processor count, Ctrl+C.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "search/candidates.h"
#include "search/display_expectations.h"
#include "search/order_results.h"
#include "search/search_worker.h"
#include "search/solve_driver.h"

namespace corvanta {
namespace {

using testing::ExactDisplay;
using testing::ExactJob;
using testing::ExpectDisplay;
using testing::Rational;
using testing::Trains;

struct ToolRun {
  int status = -1;  // the exit status, or 128 + the signal
  std::string out, err;
};

// A data folder of its own, so that no saved settings of the machine leak in.
const std::string& EmptyDataFolder() {
  static const std::string folder = [] {
    char name[] = "/tmp/corvanta-solve-test-XXXXXX";
    return std::string(mkdtemp(name));
  }();
  return folder;
}

// Runs the tool. With `terminal`, its standard error is a terminal, and
// `onError` sees the error text so far each time more arrives.
ToolRun RunTool(const std::vector<std::string>& args, bool terminal = false,
            const std::function<void(pid_t, const std::string&)>& onError = {}) {
  int outPipe[2];
  if (pipe(outPipe) != 0) return {};
  int errRead = -1, errWrite = -1;
  if (terminal) {
    errRead = posix_openpt(O_RDWR | O_NOCTTY);
    if (errRead < 0 || grantpt(errRead) != 0 || unlockpt(errRead) != 0) return {};
    errWrite = open(ptsname(errRead), O_RDWR | O_NOCTTY);
  } else {
    int errPipe[2];
    if (pipe(errPipe) != 0) return {};
    errRead = errPipe[0];
    errWrite = errPipe[1];
  }
  const pid_t child = fork();
  if (child == 0) {
    dup2(outPipe[1], STDOUT_FILENO);
    dup2(errWrite, STDERR_FILENO);
    close(outPipe[0]);
    close(errRead);
    setenv("XDG_DATA_HOME", EmptyDataFolder().c_str(), 1);
    std::vector<char*> argv{const_cast<char*>(CORVANTA_SOLVE_EXE)};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    execv(CORVANTA_SOLVE_EXE, argv.data());
    _exit(127);
  }
  close(outPipe[1]);
  close(errWrite);
  ToolRun run;
  pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errRead, POLLIN, 0}};
  int open = 2;
  while (open > 0) {
    if (poll(fds, 2, -1) < 0) break;
    for (int k = 0; k < 2; ++k) {
      if (fds[k].fd < 0 || fds[k].revents == 0) continue;
      char buffer[4096];
      const ssize_t got = read(fds[k].fd, buffer, sizeof buffer);
      if (got <= 0) {  // end of file, or EIO from a terminal whose other end is gone
        close(fds[k].fd);
        fds[k].fd = -1;
        --open;
        continue;
      }
      (k == 0 ? run.out : run.err).append(buffer, static_cast<std::size_t>(got));
      if (k == 1 && onError) onError(child, run.err);
    }
  }
  int status = 0;
  waitpid(child, &status, 0);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return run;
}

const std::vector<std::string> kRegressionJob = {"--helix", "30", "--ndp", "10", "--teeth", "40"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The regression job as JSON with every result, per processor count; each
// run once for all the tests that read it.
const nlohmann::json& RegressionJson(int processors) {
  static std::map<int, nlohmann::json> runs;
  auto it = runs.find(processors);
  if (it == runs.end()) {
    const ToolRun run = RunTool(With(kRegressionJob, {"--processors", std::to_string(processors),
                                                  "--results", "1000", "--json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    it = runs.emplace(processors, nlohmann::json::parse(run.out)).first;
  }
  return it->second;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// "44 73 / 69 62": upper left, upper right over lower left, lower right.
std::array<int, 4> ParseCells(const std::string& text) {
  std::array<int, 4> cells{};
  char slash = 0;
  std::istringstream(text) >> cells[0] >> cells[1] >> slash >> cells[2] >> cells[3];
  return cells;
}

Trains FromCells(const std::array<int, 4>& index, const std::array<int, 4>& feed) {
  return {{feed[2], feed[3]}, {feed[0], feed[1]}, {index[2], index[3]}, {index[0], index[1]}};
}

// The geometry of 40 teeth, pitch 10, helix 30: D = 40 / (10 cos 30) = 8 / sqrt(3).
std::array<std::string, 2> ExpectedGeometry() {
  const Rational d = Rational(8) / testing::Sqrt3Rational();
  return {"Transverse Pitch Dia.: " + testing::RoundedText(d, 4),
          "Outside Dia.: " + testing::RoundedText(d + Rational(1, 5), 4)};
}

TEST(CorvantaSolve, RegressionJobPrintsWhatTheExactArithmeticGives) {
  const ToolRun run = RunTool(With(kRegressionJob, {"--processors", "2", "--results", "3"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");  // no progress when standard error is no terminal
  const std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 3u + 3 * 9);
  EXPECT_EQ(lines[0], ExpectedGeometry()[0]);
  EXPECT_EQ(lines[1], ExpectedGeometry()[1]);
  const std::size_t results = RegressionJson(2)["results"];
  EXPECT_EQ(lines[2], "225 candidates, " + std::to_string(results) + " results, 2 processors");

  Rational previousError = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    const std::size_t at = 3 + 9 * k;
    EXPECT_EQ(lines[at], "");
    EXPECT_EQ(lines[at + 1], "Result " + std::to_string(k + 1) + " of " + std::to_string(results));
    ASSERT_EQ(lines[at + 2].rfind("  Index: ", 0), 0u);
    ASSERT_EQ(lines[at + 3].rfind("  Feed:  ", 0), 0u);
    const Trains trains =
        FromCells(ParseCells(lines[at + 2].substr(9)), ParseCells(lines[at + 3].substr(9)));
    const ExactDisplay d = ExpectDisplay(ExactJob{}, trains);
    EXPECT_EQ(lines[at + 4], "  " + d.cLine);
    EXPECT_EQ(lines[at + 5], "  " + d.leadLine);
    EXPECT_EQ(lines[at + 6], "  " + d.indexErrorLine);
    EXPECT_EQ(lines[at + 7], "  " + d.feedErrorLine);
    EXPECT_EQ(lines[at + 8], "  " + d.actualFeedText);
    // Smallest feed error first, each within the search's tolerance.
    EXPECT_GE(abs(d.feedError), previousError);
    EXPECT_LT(abs(d.feedError), Rational(5, 1000000));
    previousError = abs(d.feedError);
  }
  // The best train of this job, which the search's own anchor test
  // confirmed against an independent scan of every feed train.
  EXPECT_EQ(lines[5], "  Index: 44 73 / 69 62");
  EXPECT_EQ(lines[6], "  Feed:  35 47 / 85 53");
  EXPECT_EQ(lines[7], "  C: 803/35");
}

TEST(CorvantaSolve, JsonParsedBackHoldsTheStoredValuesAndTheDisplayLines) {
  const ToolRun run = RunTool(With(kRegressionJob, {"--processors", "2", "--results", "4", "--json"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json out = nlohmann::json::parse(run.out);
  EXPECT_EQ(out["geometry"], nlohmann::json(ExpectedGeometry()));
  EXPECT_EQ(out["candidates"], 225);
  EXPECT_EQ(out["processors"], 2);
  EXPECT_EQ(out["results"], RegressionJson(2)["results"]);
  EXPECT_EQ(out["stopped"], false);
  ASSERT_EQ(out["shown"].size(), 4u);
  for (const nlohmann::json& shown : out["shown"]) {
    const std::vector<int> t = shown["teeth"];
    ASSERT_EQ(t.size(), 8u);
    const Trains trains = {{t[0], t[1]}, {t[2], t[3]}, {t[4], t[5]}, {t[6], t[7]}};
    const ExactDisplay d = ExpectDisplay(ExactJob{}, trains);
    // The stored values: the error is kept without its sign, C with the
    // bisection's last 1e-110 that 30 decimals do not show.
    EXPECT_EQ(shown["feedError"], testing::RoundedText(abs(d.feedError), 30));
    EXPECT_EQ(shown["C"], testing::RoundedText(d.c, 30));
    const nlohmann::json& lines = shown["lines"];
    const auto cells = [](const std::array<std::string, 4>& texts) {
      std::vector<int> numbers;
      for (const std::string& text : texts) numbers.push_back(std::stoi(text));
      return nlohmann::json(numbers);
    };
    EXPECT_EQ(lines["indexCells"], cells(d.indexCells));
    EXPECT_EQ(lines["feedCells"], cells(d.feedCells));
    EXPECT_EQ(lines["c"], d.cLine);
    EXPECT_EQ(lines["lead"], d.leadLine);
    EXPECT_EQ(lines["indexError"], d.indexErrorLine);
    EXPECT_EQ(lines["feedError"], d.feedErrorLine);
    EXPECT_EQ(lines["actualFeed"], d.actualFeedText);
  }
}

// The list a split gives, worked out in this process from the same job:
// one worker per range, their lists together, ordered.
std::vector<std::vector<int>> ListTheSplitImplies(unsigned processors) {
  MemoryControls controls;
  testing::SetStock(controls, testing::DefaultStock());
  testing::SetJob(controls, {});
  SearchState state;
  BuildPairTable(controls, state);
  const auto job = ReadJobValues(controls);
  EXPECT_TRUE(job && FindCandidates(state, controls, *job));
  for (const WorkerRange& range : SplitCandidates(state.candidates.size(), processors)) {
    WorkerContext context;
    context.rangeBegin = range.rangeBegin;
    context.rangeEnd = range.rangeEnd;
    context.feedConstant = job->feedConstant;
    context.sinHelix = job->sinHelix;
    context.piOverPn = job->piOverPn;
    context.state = &state;
    SearchWorker(context);
  }
  OrderResults(state.results);
  std::vector<std::vector<int>> list;
  for (const SolveResult& r : state.results) {
    const auto counts = ToothCounts(r);
    list.emplace_back(counts.begin(), counts.end());
  }
  return list;
}

TEST(CorvantaSolve, OneAndTwoProcessorsGiveTheListsTheirSplitsImply) {
  std::vector<std::vector<int>> lists[3];
  for (int processors : {1, 2}) {
    const nlohmann::json& out = RegressionJson(processors);
    EXPECT_EQ(out["processors"], processors);
    for (const nlohmann::json& shown : out["shown"]) lists[processors].push_back(shown["teeth"]);
    EXPECT_EQ(out["results"], lists[processors].size());
    EXPECT_EQ(lists[processors], ListTheSplitImplies(static_cast<unsigned>(processors)))
        << processors << " processors";
  }
  // One worker keeps its best 200 of all candidates; two keep 200 each of
  // their halves: different lists with the same best result.
  EXPECT_NE(lists[1], lists[2]);
  EXPECT_EQ(lists[1].front(), lists[2].front());
}

struct Refusal {
  std::vector<std::string> args;
  const char* message;
};

TEST(CorvantaSolve, RefusesWhatTheWindowWouldRefuseWithOneLineAndStatusTwo) {
  const auto job = [](std::vector<std::string> more) { return With(kRegressionJob, more); };
  const Refusal refusals[] = {
      {job({"--index-const", "121"}), "--index-const: \"Index Const:\" must be 1 to 120 (got \"121\")"},
      {job({"--index-const", "0"}), "--index-const: \"Index Const:\" must be 1 to 120 (got \"0\")"},
      {job({"--feed-const", "90.5"}), "--feed-const: \"Feed Const:\" must be 0 to 90 (got \"90.5\")"},
      {{"--helix", "89.91", "--ndp", "10", "--teeth", "40"},
       "--helix: \"Helix Angle:\" must be 0.000001 to 89.9 (got \"89.91\")"},
      {{"--ndp", "10", "--teeth", "40"}, "--helix: \"Helix Angle:\" must be 0.000001 to 89.9 (got \"\")"},
      {{"--helix", "30", "--ndp", "0.349", "--teeth", "40"},
       "--ndp: \"Normal Diametral Pitch:\" must be 0.35 to 360 (got \"0.349\")"},
      {{"--helix", "30", "--ndp", "361", "--teeth", "40"},
       "--ndp: \"Normal Diametral Pitch:\" must be 0.35 to 360 (got \"361\")"},
      {job({"--feed-rate", "0.11"}), "--feed-rate: \"Feed Rate:\" must be 0 to 0.1 (got \"0.11\")"},
      {{"--helix", "30", "--ndp", "10"}, "--teeth: \"Number of Teeth:\" must be chosen, 1 to 500"},
      {{"--helix", "30", "--ndp", "10", "--teeth", "501"},
       "--teeth: \"Number of Teeth:\" must be a whole number from 1 to 500 (got \"501\")"},
      {job({"--hob-threads", "25"}),
       "--hob-threads: \"Hob Threads:\" must be a whole number from 1 to 24 (got \"25\")"},
      {job({"--setup", "8"}), "--setup: the set-up row must be a whole number from 0 to 7 (got \"8\")"},
      {job({"--processors", "0"}),
       "--processors: the processor count must be a whole number from 1 to 1024 (got \"0\")"},
      // Texts no field could hold.
      {job({"--feed-const", "-1"}),
       "--feed-const: \"Feed Const:\" takes digits and at most one point, up to 40 characters (got \"-1\")"},
      {job({"--feed-rate", "0.0250000000"}),
       "--feed-rate: \"Feed Rate:\" takes digits and at most one point, up to 10 characters (got "
       "\"0.0250000000\")"},
      {job({"--index-const", "1e2"}),
       "--index-const: \"Index Const:\" takes digits and at most one point, up to 6 characters (got "
       "\"1e2\")"},
      {job({"--stock", "1101x"}),
       "--stock: the gear stock takes up to 154 characters '0' and '1' (got \"1101x\")"},
      {job({"--settings", "/nonexistent/settings.ini"}),
       "--settings: cannot read \"/nonexistent/settings.ini\""},
      {job({"--frobnicate"}), "The following argument was not expected: --frobnicate"},
  };
  for (const Refusal& refusal : refusals) {
    const ToolRun run = RunTool(refusal.args);
    EXPECT_EQ(run.status, 2) << refusal.message;
    EXPECT_EQ(run.out, "") << refusal.message;
    EXPECT_EQ(run.err, std::string("corvanta-solve: ") + refusal.message + "\n");
  }
}

TEST(CorvantaSolve, ReadsTheConstantsAndTheStockFromASettingsFile) {
  const std::string path = EmptyDataFolder() + "/job.ini";
  const auto write = [&](const std::string& text) { std::ofstream(path) << text; };
  // A one-character feed rate gives no window, so no candidates: only a
  // value read from the file can do that.
  write("[Settings]\r\nFeed Rate=0\r\n");
  ToolRun run = RunTool(With(kRegressionJob, {"--settings", path}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(Lines(run.out).at(2).rfind("0 candidates, 0 results", 0), 0u) << run.out;
  // An option given as well wins; the stock "0" owns nothing.
  run = RunTool(With(kRegressionJob, {"--settings", path, "--feed-rate", ".025", "--stock", "0"}));
  EXPECT_EQ(Lines(run.out).at(2).rfind("0 candidates, 0 results", 0), 0u) << run.out;
  // Values the window would refuse are refused, naming the file.
  write("[Settings]\r\nFeed Constant=0.075x\r\n");
  run = RunTool(With(kRegressionJob, {"--settings", path}));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "corvanta-solve: --settings " + path +
                         ": \"Feed Const:\" takes digits and at most one point, up to 40 characters "
                         "(got \"0.075x\")\n");
  write("[Settings]\r\nIndex Constant=200\r\n");
  run = RunTool(With(kRegressionJob, {"--settings", path}));
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "corvanta-solve: --settings " + path +
                         ": \"Index Const:\" must be 1 to 120 (got \"200\")\n");
}

// On a terminal the status line shows; Ctrl+C then stops the search, and
// what was found so far is still printed.
TEST(CorvantaSolve, CtrlCStopsTheSearchAndPrintsTheResultsFoundSoFar) {
  bool sent = false;
  const ToolRun run = RunTool(With(kRegressionJob, {"--processors", "1", "--json"}), true,
                          [&sent](pid_t child, const std::string& err) {
                            if (!sent && err.find("Processing 100 of 225") != std::string::npos) {
                              kill(child, SIGINT);
                              sent = true;
                            }
                          });
  ASSERT_TRUE(sent) << run.err;
  EXPECT_EQ(run.status, 130) << run.err;
  EXPECT_NE(run.err.find("Finding Applicable C Constants..."), std::string::npos);
  EXPECT_NE(run.err.find("Press Ctrl+C to stop early"), std::string::npos);
  EXPECT_NE(run.err.find("stopped early"), std::string::npos);
  const nlohmann::json out = nlohmann::json::parse(run.out);
  EXPECT_EQ(out["stopped"], true);
  EXPECT_GT(out["results"].get<int>(), 0);
}

}  // namespace
}  // namespace corvanta
