// corvanta-solve: the change-gear search without a window, for planners and
// scripts.
//
// It puts the job into in-memory controls exactly as an operator would type
// it into the window, runs the window's own validation, Solve and result
// display, and prints the display lines read back from those controls: what
// it prints is what the window would show.
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "numeric/number_text.h"
#include "print/file_replacement.h"
#include "print/pdf_sheet.h"
#include "resources/resource.h"
#include "search/order_results.h"
#include "search/thread_platform.h"
#include "settings/gear_list_text.h"
#include "settings/machines.h"
#include "tools/advise_command.h"
#include "tools/machine_listing.h"
#include "tools/refusal_text.h"
#include "tools/result_lines.h"
#include "tools/solve_options.h"
#include "window_model/memory_job.h"
#include "window_model/result_display.h"
#include "window_model/result_list.h"
#include "window_model/sheet_inputs.h"
#include "window_model/solve_driver.h"
#include "window_model/update_geometry.h"
#include "window_model/validate_inputs.h"

namespace {

using namespace corvanta;

constexpr int kRefused = 2;
constexpr int kInterrupted = 130;  // the shell's code for a stop by Ctrl+C

// Ctrl+C plays the part of the window's Escape key.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int) { interrupted.store(true); }

// Ctrl+C is taken over before anything else runs, and unblocked in case the
// caller started the tool with SIGINT blocked: a Ctrl+C at any moment of
// the run is then either one that comes before the search (which is not
// begun: exit 130, nothing on standard output) or one that stops it early.
// A second Ctrl+C ends the program at once.
void TakeOverCtrlC() {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  action.sa_flags = SA_RESETHAND;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigset_t ctrlC;
  sigemptyset(&ctrlC);
  sigaddset(&ctrlC, SIGINT);
  sigprocmask(SIG_UNBLOCK, &ctrlC, nullptr);
}

// In-memory controls that show the status line on a terminal while a
// search runs, as the window shows it in its "C: " line.
class SolveControls : public MemoryControls {
 public:
  explicit SolveControls(bool showProgress) : showProgress_(showProgress) {}

  void SetText(ControlId id, std::string_view text) override {
    MemoryControls::SetText(id, text);
    if (!showProgress_ || id != IDC_C_LINE) return;
    // The texts of a running search; a result's "C: " line or the emptied
    // line end it.
    std::string status(text);
    if (status.rfind("Finding", 0) != 0 && status.rfind("Processing", 0) != 0) return;
    const std::string escapeHint = "Press Escape to break early";
    if (const auto at = status.find(escapeHint); at != std::string::npos)
      status.replace(at, escapeHint.size(), "Press Ctrl+C to stop early");
    std::lock_guard<std::mutex> lock(terminalMutex_);
    std::cerr << "\r\033[K" << status << std::flush;
    shown_ = true;
  }

  void EndProgress() {
    std::lock_guard<std::mutex> lock(terminalMutex_);
    if (shown_) std::cerr << "\r\033[K" << std::flush;
    shown_ = false;
  }

 private:
  bool showProgress_;
  std::mutex terminalMutex_;
  bool shown_ = false;
};

// Standard threads; Ctrl+C is the stop key.
class TerminalPlatform : public ThreadPlatform {
 public:
  using ThreadPlatform::ThreadPlatform;
  bool StopKeyHeld() override { return interrupted.load(); }
};

// The window's own validation, which keeps "&Solve" disabled for a job it
// refuses: the job is refused here in its words.
void RefuseInvalidInput(SolveControls& controls, const SolveJob& job) {
  UpdateGeometry(controls);
  ValidateInputs(controls);
  if (const auto problem = FindInputProblem(controls)) {
    const auto source = job.sourceOf.find(problem->control);
    throw Refusal{(source != job.sourceOf.end() ? source->second : "") + ": \"" + problem->field +
                  "\" must be " + problem->accepted + " (got " +
                  Quoted(controls.GetText(problem->control, 1024)) + ")"};
  }
}

// What the Solve did and found.
struct Run {
  SolveOutcome outcome;
  unsigned processors = 0;
  const std::vector<SolveResult>* results = nullptr;
};

// "&Solve", with Ctrl+C as the stop key.
Run Solve(SolveControls& controls, const SolveJob& job) {
  TerminalPlatform platform(job.processors);
  SolveSession& session = ProgramSolveSession();
  session.method = job.method;
  Run run;
  run.outcome = SolveCommand(controls, platform, session);
  controls.EndProgress();
  run.processors = UsableProcessors(platform.LogicalProcessorCount());
  run.results = &session.results;
  return run;
}

// Result k (from 0) as the result selector shows it.
ShownLines ShowAndRead(MemoryControls& controls, std::size_t k) {
  ShowSearchResult(controls, ProgramSolveSession(), k);
  return ReadShownLines(controls);
}

std::array<std::string, 2> GeometryLines(const MemoryControls& controls) {
  return {controls.GetText(IDC_PITCH_DIAMETER_LINE, 1024),
          controls.GetText(IDC_OUTSIDE_DIAMETER_LINE, 1024)};
}

// The geometry, the counts and the first `shown` results with their lines,
// as one JSON object, its keys in the order a reader meets them.
void PrintJson(MemoryControls& controls, const Run& run, std::size_t shown) {
  const std::vector<SolveResult>& results = *run.results;
  nlohmann::ordered_json out;
  out["geometry"] = GeometryLines(controls);
  out["candidates"] = run.outcome.candidates;
  out["processors"] = run.processors;
  out["results"] = results.size();
  out["stopped"] = run.outcome.stopped;
  out["shown"] = nlohmann::ordered_json::array();
  for (std::size_t k = 0; k < shown; ++k) {
    const ShownLines lines = ShowAndRead(controls, k);
    const SolveResult& r = results[k];
    out["shown"].push_back(ResultEntry(r, lines));
  }
  std::cout << out.dump(2) << "\n";
}

// The same as text, one block per result.
void PrintText(MemoryControls& controls, const Run& run, std::size_t shown) {
  const std::array<std::string, 2> geometry = GeometryLines(controls);
  const std::size_t count = run.results->size();
  std::cout << geometry[0] << "\n"
            << geometry[1] << "\n"
            << run.outcome.candidates << " candidates, " << count << " results, " << run.processors
            << " processors\n";
  for (std::size_t k = 0; k < shown; ++k) {
    const ShownLines lines = ShowAndRead(controls, k);
    std::cout << "\nResult " << k + 1 << " of " << count << "\n";
    PrintLines(std::cout, lines, "  ");
  }
}

// What --sheet FILE.pdf --sheet-result N does after a Solve: shows result
// number `resultNumber` (counted from 1, as the result selector counts), as
// "Print ..." prints the result on display, and writes its sheet. "" when
// written, else what went wrong: no such result, or a file that cannot be
// written.
std::string WriteSheet(ControlAccess& controls, const SolveSession& session, int resultNumber,
                       const std::string& path) {
  const std::vector<SolveResult>& results = session.results;
  if (resultNumber < 1 || static_cast<unsigned>(resultNumber) > results.size()) {
    return "there is no result " + std::to_string(resultNumber) + " to write a sheet for (" +
           std::to_string(results.size()) + " results)";
  }
  const auto index = static_cast<std::size_t>(resultNumber - 1);
  ShowSearchResult(controls, session, index);
  std::string error;
  if (!WriteSheetPdf(ComposeSetupSheet(ReadSheetInputs(controls), results[index]), path, &error))
    return "cannot write " + Quoted(path, kEchoedPathBytes) + ": " + error;
  return {};
}

// The CSV of every result for the job on the page, each row evaluated as
// the result display evaluates that result.
std::string ResultsCsvOnPage(const ControlAccess& controls, const SolveSession& session) {
  const auto rows = ResultRowsOnPage(controls, session);
  return ResultsCsv(rows ? *rows : std::vector<ResultRow>{});
}

// What --csv FILE does after a Solve: "" when written, else what went wrong.
std::string WriteCsv(const std::string& csv, const std::string& path) {
  FileReplacement file(path);
  if (!file.Write(csv.data(), csv.size()) || !file.Commit())
    return "cannot write " + Quoted(path, kEchoedPathBytes) + ": " + file.Error();
  return {};
}

// --list-machines: the saved machines as lines, or with --json as one
// array of objects in the file's order.
void PrintMachines(const MachineList& list, bool json) {
  if (!json) {
    std::cout << MachineListing(list);
    return;
  }
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (std::size_t i = 0; i < list.machines.size(); ++i) {
    const Machine& machine = list.machines[i];
    nlohmann::ordered_json entry;
    entry["name"] = machine.name;
    entry["current"] = list.current == i;
    entry["indexConstant"] = machine.values.indexConstant;
    entry["feedConstant"] = machine.values.feedConstant;
    entry["feedRate"] = machine.values.feedRate;
    entry["gears"] = GearListText(machine.values.gearStockText);
    out.push_back(entry);
  }
  // The file's texts as they are: a byte that is no UTF-8 is replaced
  // rather than refused.
  std::cout << out.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  TakeOverCtrlC();
  SolveOptions options;
  SolveJob job;
  SolveControls controls(isatty(STDERR_FILENO) == 1);
  try {
    options = ParseSolveOptions(argc, argv);
    if (!options.help.empty()) {
      std::cout << options.help;
      return 0;
    }
    if (options.listMachines) {
      PrintMachines(StartMachines(options), options.json);
      return 0;
    }
    job = BuildSolveJob(options, StartSettings(options));
    EnterJob(controls, job.entry);
    RefuseInvalidInput(controls, job);
  } catch (const Refusal& refusal) {
    std::cerr << kSolveProgram << ": " << OneLine(refusal.message) << "\n";
    return kRefused;
  }

  if (interrupted.load()) {
    std::cerr << kSolveProgram << ": stopped before the search began\n";
    return kInterrupted;
  }
  if (options.advise || options.advisePairs) {
    TerminalPlatform platform(job.processors);
    AdviseRequest request;
    request.pairs = options.advisePairs;
    request.json = options.json;
    request.rows = job.resultCount;
    request.showProgress = isatty(STDERR_FILENO) == 1;
    request.method = job.method;
    return RunAdviseCommand(controls, platform, request);
  }
  const Run run = Solve(controls, job);
  const std::size_t shown = std::min(job.resultCount, run.results->size());
  if (options.csv && !options.csvPath) {
    std::cout << ResultsCsvOnPage(controls, ProgramSolveSession());
  } else if (options.json) {
    PrintJson(controls, run, shown);
  } else {
    PrintText(controls, run, shown);
  }
  std::cout.flush();
  // Ctrl+C stopped the search; from here on it stops the program, and
  // neither it nor SIGTERM leaves a half-written file behind.
  if (options.sheetPath || options.csvPath) RemoveTemporaryFilesWhenStopped();
  if (options.csvPath) {
    const std::string problem =
        WriteCsv(ResultsCsvOnPage(controls, ProgramSolveSession()), *options.csvPath);
    if (!problem.empty()) {
      std::cerr << kSolveProgram << ": --csv: " << OneLine(problem) << "\n";
      return 1;
    }
  }
  if (options.sheetPath) {
    const std::string problem =
        WriteSheet(controls, ProgramSolveSession(), job.sheetResult, *options.sheetPath);
    if (!problem.empty()) {
      std::cerr << kSolveProgram << ": --sheet: " << OneLine(problem) << "\n";
      return 1;
    }
  }

  if (run.outcome.failed)
    std::cerr << kSolveProgram << ": the search ran out of memory; results are missing\n";
  if (run.outcome.stopped) {
    std::cerr << kSolveProgram << ": stopped early; these are the results found so far\n";
    return kInterrupted;
  }
  return run.outcome.failed ? 1 : 0;
}
