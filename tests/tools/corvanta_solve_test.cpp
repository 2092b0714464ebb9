// corvanta-solve from the outside: run as a separate process, its listing
// as text and as JSON, the literal search, its exit statuses with their
// one-line messages, and Ctrl+C. What a command line is refused with is tested
// in-process (tool_options_test.cpp); the split by processor count by
// processor_counts_test.sh.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

namespace corvanta {
namespace {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

// The tool's data folder (no saved settings of the machine leak in) and the
// runs' output files, removed when the tests end.
const std::string& Scratch() {
  static const struct Folder {
    std::string path = [] {
      char name[] = "/tmp/corvanta-solve-test-XXXXXX";
      ::setenv("XDG_DATA_HOME", mkdtemp(name), 1);
      return std::string(name);
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

// Runs the tool with `args`, which reach it byte for byte (each one quoted
// for the shell); it is killed after 60 seconds (status 137 then).
// `launcher` runs the tool (as another user, say).
ToolRun RunTool(const std::vector<std::string>& args, const std::string& launcher = "") {
  const std::string out = Scratch() + "/out", err = Scratch() + "/err";
  std::string command = "timeout -s KILL 60 " + launcher + " '" CORVANTA_SOLVE_EXE "'";
  for (const std::string& arg : args) {
    command += " '";
    for (char c : arg) command += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += "'";
  }
  const int status = std::system((command + " </dev/null >" + out + " 2>" + err).c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(out), FileText(err)};
}

// The tool's threads, from /proc; 0 once it has ended.
int ThreadCount(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("Threads:", 0) == 0) return std::atoi(line.c_str() + 8);
  return 0;
}

// When the Ctrl+C of RunInterrupted reaches the tool.
enum class CtrlC {
  kBeforeItRuns,  // sent at once, held back until the tool takes SIGINT over
  kDuringSearch,  // sent once the tool has started a search worker
};

// Runs the tool itself (no shell in between, SIGINT in its default state)
// and sends it SIGINT as `when` says.
ToolRun RunInterrupted(const std::vector<std::string>& args, CtrlC when) {
  const std::string out = Scratch() + "/out", err = Scratch() + "/err";
  std::vector<std::string> words = {CORVANTA_SOLVE_EXE};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  // SIGINT is blocked from the fork on, so that the tool is never stopped
  // before it runs; the child unblocks it for a stop during the search.
  sigset_t ctrlC, previous;
  sigemptyset(&ctrlC);
  sigaddset(&ctrlC, SIGINT);
  ::sigprocmask(SIG_BLOCK, &ctrlC, &previous);
  const pid_t pid = ::fork();
  if (pid == 0) {  // only async-signal-safe calls until the tool runs
    ::signal(SIGINT, SIG_DFL);
    if (when == CtrlC::kDuringSearch) ::sigprocmask(SIG_UNBLOCK, &ctrlC, nullptr);
    ::dup2(::open("/dev/null", O_RDONLY), 0);
    ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
    ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  ::sigprocmask(SIG_SETMASK, &previous, nullptr);
  if (when == CtrlC::kDuringSearch) {
    // A second thread is a search worker: the tool took SIGINT over before
    // it started its search. A minute without one is a failure.
    for (int waited = 0; ThreadCount(pid) < 2 && waited < 60000; ++waited) ::usleep(1000);
  }
  ::kill(pid, SIGINT);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, FileText(out), FileText(err)};
}

std::vector<std::string> Job(const std::vector<std::string>& more = {}) {
  std::vector<std::string> args = {"--helix", "30", "--ndp", "10", "--teeth", "40"};
  args.insert(args.end(), more.begin(), more.end());
  return args;
}

// The same on the gears of 16 to 39 teeth: a short search.
std::vector<std::string> SmallJob(std::vector<std::string> more = {}) {
  more.insert(more.begin(), {"--stock", "1111111111111111111111110", "--processors", "1"});
  return Job(more);
}

// The regression job as JSON with every result on two processors, run once.
const nlohmann::json& RegressionJson() {
  static const nlohmann::json json = [] {
    const ToolRun run = RunTool(Job({"--processors", "2", "--results", "1000", "--json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    return nlohmann::json::parse(run.out);
  }();
  return json;
}

// The best train of the regression job, confirmed by hand against a scan of
// every feed train, as text and as JSON, with its stored C and feed error
// (the result display's tests hold its lines).
TEST(CorvantaSolve, RegressionJobsBestTrainAsTextAndAsJson) {
  const ToolRun run = RunTool(Job({"--processors", "2", "--results", "1"}));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");  // no progress when standard error is no terminal
  const nlohmann::json out = RegressionJson();
  EXPECT_EQ(out["candidates"], 225);
  EXPECT_EQ(out["stopped"], false);
  const nlohmann::json& best = out["shown"][0];
  const std::string results = std::to_string(out["results"].get<std::size_t>());
  std::string text = out["geometry"][0].get<std::string>() + "\n" +
                     out["geometry"][1].get<std::string>() + "\n225 candidates, " + results +
                     " results, 2 processors\n\nResult 1 of " + results +
                     "\n  Index: 44 73 / 69 62\n  Feed:  35 47 / 85 53\n  C: 803/35\n";
  for (const char* name : {"lead", "indexError", "feedError", "actualFeed"})
    text += "  " + best["lines"][name].get<std::string>() + "\n";
  EXPECT_EQ(run.out, text);
  EXPECT_EQ(best["lines"]["c"], "C: 803/35");
  // Worked out in exact arithmetic (tests/support/golden_texts.py): the
  // error is stored without its sign, C with the bisection's last 1e-110
  // that 30 decimals do not show.
  EXPECT_EQ(best["feedError"], "0.000000002465950135106854810216");
  EXPECT_EQ(best["C"], "22.942857142857142857142857142857");
}

// The lines of `text`, each without its CR LF; a line ended otherwise
// fails.
std::vector<std::string> CsvLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      ADD_FAILURE() << "a line without CR LF: " << text.substr(at);
      break;
    }
    EXPECT_EQ(text.substr(at, end - at).find_first_of("\r\n\""), std::string::npos);
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// --csv: a row for every result of the regression job, the best one as the
// display shows it with its stored values (the rows are the results page's,
// held against the display by the window model's tests); the same bytes on
// standard output and in a file (the safe write's own failures are the
// sheet's, tested with it).
TEST(CorvantaSolve, CsvHasARowForEveryResult) {
  const ToolRun run = RunTool(Job({"--processors", "2", "--csv"}));
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json listing = RegressionJson();
  const std::vector<std::string> lines = CsvLines(run.out);
  ASSERT_EQ(lines.size(), listing["results"].get<std::size_t>() + 1);
  EXPECT_EQ(lines[0],
            "Result,Index,Feed,C,Lead,Lead Error,Feed Error,Actual Feed,Along Helix,Stored Feed "
            "Error,Stored C");
  EXPECT_EQ(lines[1],
            "1,44 x 73 / 69 x 62,35 x 47 / 85 x 53,803/35,25.1327413984,0.0000001697,"
            "0.000000002466,0.0273862373,0.0316229029,0.000000002465950135106854810216,"
            "22.942857142857142857142857142857");

  const std::string file = Scratch() + "/results.csv";
  std::ofstream(file) << "an older list";
  const ToolRun toFile = RunTool(Job({"--processors", "2", "--results", "0", "--csv", file}));
  EXPECT_EQ(toFile.status, 0) << toFile.err;
  EXPECT_EQ(toFile.out.rfind("Transverse Pitch Dia.: ", 0), 0u);  // the listing as ever
  EXPECT_EQ(FileText(file), run.out);
}

// 0 solved, 2 refused (nothing on standard output), 1 failed after the
// Solve (the listing printed, the sheet not written); each message one
// printable line. A refusal of the window's range check, and one whose
// escapes fill the line (the case the fuzz target found).
TEST(CorvantaSolve, ExitStatusesAndOneLineMessages) {
  std::string escapes;
  for (int i = 0; i < 64; ++i) escapes += "\\xFF";
  const std::string missing = Scratch() + "/missing/s.pdf";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string err;  // how the line after "corvanta-solve: " begins
  } cases[] = {
      {SmallJob(), 0, ""},
      {Job({"--index-const", "121"}), 2,
       "--index-const: \"Index Const:\" must be 1 to 120 (got \"121\")\n"},
      {Job({std::string(70, '\xFF')}), 2,
       "The following argument was not expected: " + escapes + "...\n"},
      {SmallJob({"--sheet", missing}), 1, "--sheet: cannot write \"" + missing + "\": "},
      {SmallJob({"--sheet", missing, "--sheet-result", "900"}), 1,
       "--sheet: there is no result 900 to write a sheet for ("},
      {SmallJob({"--csv", missing}), 1, "--csv: cannot write \"" + missing + "\": "},
  };
  for (const auto& c : cases) {
    const ToolRun run = RunTool(c.args);
    SCOPED_TRACE(c.err);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out.empty(), c.status == 2);
    if (c.status == 0) {
      EXPECT_EQ(run.err, "");
      continue;
    }
    EXPECT_EQ(run.err.rfind("corvanta-solve: " + c.err, 0), 0u) << run.err;
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
  }
}

// A sheet whose owner made it read-only is refused as the shell's ">"
// refuses it: one line, status 1, the file as it was and no other file
// left. Root may write over it, as ">" may, so under root the sheet and its
// folder belong to "nobody", who runs the tool (setpriv); and root's own
// run replaces it.
TEST(CorvantaSolve, ASheetItsOwnerMadeReadOnlyIsRefused) {
  const bool root = ::geteuid() == 0;
  if (root && std::system("setpriv --version >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "as root, the refusal needs setpriv to run the tool as another user";
  const std::filesystem::path folder = Scratch() + "/read-only", sheet = folder / "sheet.pdf";
  std::filesystem::create_directories(folder);
  std::ofstream(sheet, std::ios::binary) << "yesterday's sheet";
  std::filesystem::permissions(sheet, std::filesystem::perms::owner_read);
  if (root) {
    std::filesystem::permissions(Scratch(), std::filesystem::perms::others_exec,
                                 std::filesystem::perm_options::add);
    ASSERT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    ASSERT_EQ(::chown(sheet.c_str(), 65534, 65534), 0);
  }
  const ToolRun refused = RunTool(SmallJob({"--sheet", sheet.string()}),
                                  root ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "");
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "corvanta-solve: --sheet: cannot write \"" + sheet.string() +
                             "\": Permission denied\n");
  EXPECT_EQ(FileText(sheet.string()), "yesterday's sheet");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  if (root) {
    const ToolRun replaced = RunTool(SmallJob({"--sheet", sheet.string()}));
    EXPECT_EQ(replaced.status, 0) << replaced.err;
    EXPECT_EQ(FileText(sheet.string()).rfind("%PDF-", 0), 0u);
  }
}

// Ctrl+C during a search or an advice: it stops, what was found so far is
// printed, the status is 130. Ctrl+C before the search: it does not begin,
// nothing is printed, the status is 130 too.
TEST(CorvantaSolve, CtrlCStopsTheSearchOrKeepsItFromBeginning) {
  const std::vector<std::string> literal = Job({"--literal", "--processors", "1", "--json"});
  const struct {
    std::vector<std::string> args;
    CtrlC when;
    std::string err;  // after "corvanta-solve: "
  } cases[] = {
      {literal, CtrlC::kDuringSearch, "stopped early; these are the results found so far\n"},
      {Job({"--advise", "--json"}), CtrlC::kDuringSearch,
       "stopped early; these are the rows found so far\n"},
      {literal, CtrlC::kBeforeItRuns, "stopped before the search began\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.err);
    const ToolRun run = RunInterrupted(c.args, c.when);
    EXPECT_EQ(run.status, 130);
    EXPECT_EQ(run.err, "corvanta-solve: " + c.err);
    if (c.when == CtrlC::kBeforeItRuns) {
      EXPECT_EQ(run.out, "");
    } else {
      ASSERT_FALSE(run.out.empty());
      EXPECT_EQ(nlohmann::json::parse(run.out)["stopped"], true);
    }
  }
}

// Each printed row of the pairs advice is what a Solve of the stock with the
// row's gears added prints: its result count and its result 1, every digit
// (GearAdvice.EveryRowIsTheSolveOfItsStock holds single gears in-process); a
// stock of every gear gets a line that says so.
TEST(CorvantaSolve, AdviceRowsAreTheSolvesOfTheirStocks) {
  std::string stock(154, '1');  // all but 41, 73 and 85 teeth
  for (int teeth : {41, 73, 85}) stock[static_cast<std::size_t>(teeth - 16)] = '0';
  const ToolRun advice = RunTool(
      Job({"--stock", stock, "--processors", "2", "--advise-pairs", "--results", "6", "--json"}));
  ASSERT_EQ(advice.status, 0) << advice.err;
  const nlohmann::json out = nlohmann::json::parse(advice.out);
  ASSERT_EQ(out["rows"].size(), 7u);
  EXPECT_EQ(out["rows"][0]["added"], nlohmann::json::array());
  std::size_t found = 0;
  for (const nlohmann::json& row : out["rows"]) {
    std::string gears = stock;
    for (int teeth : row["added"]) gears[static_cast<std::size_t>(teeth - 16)] = '1';
    SCOPED_TRACE(row["added"].dump());
    const ToolRun solve =
        RunTool(Job({"--stock", gears, "--processors", "2", "--results", "1", "--json"}));
    ASSERT_EQ(solve.status, 0) << solve.err;
    const nlohmann::json solved = nlohmann::json::parse(solve.out);
    EXPECT_EQ(row["results"], solved["results"]);
    EXPECT_EQ(row["first"], solved["shown"].empty() ? nlohmann::json() : solved["shown"][0]);
    found += row["results"].get<std::size_t>();
  }
  EXPECT_GT(found, 0u);

  const ToolRun full = RunTool(Job({"--stock", "1", "--advise"}));
  EXPECT_EQ(full.status, 0) << full.err;
  EXPECT_NE(full.out.find("Every change gear from 16 to 169 teeth is in the stock"),
            std::string::npos);
}

}  // namespace
}  // namespace corvanta
