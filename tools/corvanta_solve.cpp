// corvanta-solve: the change-gear search without a window, for planners and
// scripts.
//
// It puts the job into in-memory controls exactly as an operator would type
// it into the window, runs the window's own validation, Solve and result
// display, and prints the display lines read back from those controls: what
// it prints is what the window would show.
#include <signal.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <atomic>
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "numeric/number_text.h"
#include "print/pdf_sheet.h"
#include "resources/resource.h"
#include "search/order_results.h"
#include "search/thread_platform.h"
#include "settings/app_settings.h"
#include "settings/portable_profile_store.h"
#include "window_model/memory_job.h"
#include "window_model/result_display.h"
#include "window_model/sheet_inputs.h"
#include "window_model/solve_driver.h"
#include "window_model/update_geometry.h"
#include "window_model/validate_inputs.h"

namespace {

using namespace corvanta;

constexpr const char* kProgram = "corvanta-solve";
constexpr int kRefused = 2;
constexpr int kInterrupted = 130;  // the shell's code for a stop by Ctrl+C

// Ctrl+C plays the part of the window's Escape key.
std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

extern "C" void OnInterrupt(int) { interrupted.store(true); }

// Refuses the job: one line on standard error, and the status of a refusal.
[[noreturn]] void Refuse(const std::string& message) {
  std::cerr << kProgram << ": " << message << "\n";
  std::exit(kRefused);
}

// The five numeric fields: their option, label and the most characters the
// window lets them hold (typed, or set from the settings file).
struct NumericField {
  ControlId id;
  const char* option;
  const char* label;
  std::size_t maxLength;
};

constexpr NumericField kNumericFields[] = {
    {IDC_INDEX_CONST, "--index-const", "Index Const:", kIndexConstantMaxLength},
    {IDC_FEED_CONST, "--feed-const", "Feed Const:", kFeedConstantMaxLength},
    {IDC_HELIX_ANGLE, "--helix", "Helix Angle:", 33},
    {IDC_NORMAL_DIAMETRAL_PITCH, "--ndp", "Normal Diametral Pitch:", 33},
    {IDC_FEED_RATE, "--feed-rate", "Feed Rate:", kFeedRateMaxLength},
};

const NumericField& FieldOf(ControlId id) {
  for (const NumericField& field : kNumericFields)
    if (field.id == id) return field;
  std::abort();  // only called with the ids above
}

// Where the text of each field came from (an option, or the settings), for
// a refusal of what it holds.
std::map<ControlId, std::string> sourceOf = {{IDC_NUMBER_OF_TEETH, "--teeth"},
                                             {IDC_HELIX_ANGLE, "--helix"},
                                             {IDC_NORMAL_DIAMETRAL_PITCH, "--ndp"}};

// A text the field itself could hold: digits and at most one point, within
// its length. Anything else (a sign, a letter, "1e5") never reaches the
// window's number parsing, so it is refused here as the window's key filter
// would refuse it.
void CheckFieldText(const NumericField& field, const std::string& text, const std::string& source) {
  const std::size_t digits = static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
  const std::size_t points = static_cast<std::size_t>(std::count(text.begin(), text.end(), '.'));
  if (digits + points != text.size() || points > 1 || text.size() > field.maxLength)
    Refuse(source + ": \"" + field.label + "\" takes digits and at most one point, up to " +
           std::to_string(field.maxLength) + " characters (got \"" + text + "\")");
}

// A whole number from `low` to `high`, or a refusal naming the field.
int WholeNumber(const std::string& text, const std::string& option, const std::string& label,
                int low, int high) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
    Refuse(option + ": " + label + " must be a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + " (got \"" + text + "\")");
  return value;
}

// The constants and the stock a run starts from: a settings file, or the
// program's own saved settings (their defaults when there are none).
AppSettings ReadSettingsFile(const std::string& path) {
  if (!std::ifstream(path)) Refuse("--settings: cannot read \"" + path + "\"");
  return LoadSettingsFile(PortableProfileStore(), path);
}

// In-memory controls that show the status line on a terminal while a
// search runs, as the window shows it in its "C: " line.
class SolveControls : public MemoryControls {
 public:
  explicit SolveControls(bool showProgress) : MemoryControls(4), showProgress_(showProgress) {}

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

// What --sheet FILE.pdf --sheet-result N does after a Solve: shows result
// number `resultNumber` (counted from 1, as the result selector counts), as
// "Print ..." prints the result on display, and writes its sheet. "" when
// written, else what went wrong: no such result, or a file that cannot be
// written.
std::string WriteResultSheet(ControlAccess& controls, const std::vector<SolveResult>& results,
                             long long resultNumber, const std::string& path) {
  if (resultNumber < 1 || static_cast<unsigned long long>(resultNumber) > results.size()) {
    return "there is no result " + std::to_string(resultNumber) + " to write a sheet for (" +
           std::to_string(results.size()) + " results)";
  }
  const auto index = static_cast<std::size_t>(resultNumber - 1);
  ShowResult(controls, results, index);
  std::string error;
  if (!WriteSheetPdf(ComposeSetupSheet(ReadSheetInputs(controls), results[index]), path, &error))
    return "cannot write \"" + path + "\": " + error;
  return {};
}

// One shown result, read back from the controls.
struct ShownLines {
  std::array<int, 4> indexCells{}, feedCells{};
  std::string c, lead, indexError, feedError, actualFeed;
};

ShownLines ReadShown(const MemoryControls& controls) {
  const auto text = [&](ControlId id) { return controls.GetText(id, 1024); };
  const auto cell = [&](ControlId id) { return std::atoi(text(id).c_str()); };
  ShownLines lines;
  lines.indexCells = {cell(IDC_INDEX_UPPER_LEFT), cell(IDC_INDEX_UPPER_RIGHT),
                      cell(IDC_INDEX_LOWER_LEFT), cell(IDC_INDEX_LOWER_RIGHT)};
  lines.feedCells = {cell(IDC_FEED_UPPER_LEFT), cell(IDC_FEED_UPPER_RIGHT),
                     cell(IDC_FEED_LOWER_LEFT), cell(IDC_FEED_LOWER_RIGHT)};
  lines.c = text(IDC_C_LINE);
  lines.lead = text(IDC_LEAD_LINE);
  lines.indexError = text(IDC_INDEX_ERROR_LINE);
  lines.feedError = text(IDC_FEED_ERROR_LINE);
  lines.actualFeed = text(IDC_ACTUAL_FEED_TEXT);
  return lines;
}

std::string Fraction(const std::array<int, 4>& cells) {
  return std::to_string(cells[0]) + " " + std::to_string(cells[1]) + " / " +
         std::to_string(cells[2]) + " " + std::to_string(cells[3]);
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{
      "Finds the index and feed change gears for hobbing a helical gear without a "
      "differential, as the Corvanta window does, and prints the results it would show.",
      kProgram};
  std::optional<std::string> indexConst, feedConst, feedRate, stock, settingsFile;
  std::string helix, pitch, teeth, hobThreads = "1", row = "0", processors, resultCount = "10";
  bool wholeC = false, json = false;
  app.add_option("--index-const", indexConst, "\"Index Const:\" (default: the saved settings)");
  app.add_option("--feed-const", feedConst, "\"Feed Const:\" (default: the saved settings)");
  app.add_option("--feed-rate", feedRate, "\"Feed Rate:\" (default: the saved settings)");
  app.add_option("--helix", helix, "\"Helix Angle:\" in degrees");
  app.add_option("--ndp", pitch, "\"Normal Diametral Pitch:\"");
  app.add_option("--teeth", teeth, "\"Number of Teeth:\", 1 to 500")->type_name("N");
  app.add_option("--hob-threads", hobThreads, "\"Hob Threads:\", 1 to 24 (default 1)")
      ->type_name("T");
  app.add_option("--setup", row, "machine set-up row of the hand/cut table, 0 to 7 (default 0)")
      ->type_name("ROW");
  app.add_flag("--whole-c", wholeC, "\"Use Whole C Constants Only\"");
  app.add_option("--stock", stock,
                 "the gear stock as the settings file keeps it: character k is '1' when the "
                 "gear with 16 + k teeth is owned; a short text repeats its last character "
                 "(default: the saved settings)");
  app.add_option("--settings", settingsFile,
                 "read the constants, the feed rate and the stock from this settings file; "
                 "options given as well take precedence")
      ->type_name("FILE");
  app.add_option("--processors", processors,
                 "logical processors to split the search over (default: all); the result "
                 "list depends on the split")
      ->type_name("P");
  app.add_option("--results", resultCount, "how many results to print (default 10)")
      ->type_name("K");
  app.add_flag("--json", json, "print one JSON object instead of text");
  std::optional<std::string> sheetPath;
  std::string sheetResult = "1";
  CLI::Option* sheetOption =
      app.add_option("--sheet", sheetPath,
                     "also write the printed set-up sheet of one result as a one-page PDF")
          ->type_name("FILE.pdf");
  app.add_option("--sheet-result", sheetResult,
                 "the result whose sheet --sheet writes, counted from 1 (default 1)")
      ->type_name("N")
      ->needs(sheetOption);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    return 0;
  } catch (const CLI::ParseError& error) {
    Refuse(error.what());
  }

  JobEntry job;
  job.settings = settingsFile ? ReadSettingsFile(*settingsFile) : LoadSettings();
  const std::string settingsSource =
      settingsFile ? "--settings " + *settingsFile : "saved settings";
  for (const auto& [value, id] :
       {std::pair{&indexConst, IDC_INDEX_CONST}, std::pair{&feedConst, IDC_FEED_CONST},
        std::pair{&feedRate, IDC_FEED_RATE}}) {
    std::string& text = id == IDC_INDEX_CONST  ? job.settings.indexConstant
                        : id == IDC_FEED_CONST ? job.settings.feedConstant
                                               : job.settings.feedRate;
    if (*value) text = **value;
    sourceOf[id] = *value ? FieldOf(id).option : settingsSource;
    CheckFieldText(FieldOf(id), text, sourceOf[id]);
  }
  if (stock) {
    if (stock->size() > kGearStockTextMaxLength ||
        stock->find_first_not_of("01") != std::string::npos)
      Refuse("--stock: the gear stock takes up to 154 characters '0' and '1' (got \"" + *stock +
             "\")");
    job.settings.gearStockText = *stock;
  }
  job.helixAngle = helix;
  job.normalPitch = pitch;
  CheckFieldText(FieldOf(IDC_HELIX_ANGLE), helix, "--helix");
  CheckFieldText(FieldOf(IDC_NORMAL_DIAMETRAL_PITCH), pitch, "--ndp");
  if (teeth.empty()) Refuse("--teeth: \"Number of Teeth:\" must be chosen, 1 to 500");
  job.teeth = WholeNumber(teeth, "--teeth", "\"Number of Teeth:\"", 1, 500);
  job.hobThreads =
      std::to_string(WholeNumber(hobThreads, "--hob-threads", "\"Hob Threads:\"", 1, 24));
  job.setupRow = WholeNumber(row, "--setup", "the set-up row", 0, 7);
  job.wholeC = wholeC;
  const std::optional<unsigned> processorCount =
      processors.empty() ? std::nullopt
                         : std::optional<unsigned>(static_cast<unsigned>(WholeNumber(
                               processors, "--processors", "the processor count", 1, 1024)));
  const int sheetNumber =
      WholeNumber(sheetResult, "--sheet-result", "the result number", 1, 1000000);
  const auto shownCount = static_cast<std::size_t>(
      WholeNumber(resultCount, "--results", "the number of results", 0, 1000000));

  const bool terminal = isatty(STDERR_FILENO) == 1;
  SolveControls controls(terminal);
  EnterJob(controls, job);
  UpdateGeometry(controls);
  ValidateInputs(controls);
  if (const auto problem = FindInputProblem(controls)) {
    Refuse(sourceOf[problem->control] + ": \"" + problem->field + "\" must be " +
           problem->accepted + " (got \"" + controls.GetText(problem->control, 1024) + "\")");
  }

  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  action.sa_flags = SA_RESETHAND;  // a second Ctrl+C ends the program at once
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);

  TerminalPlatform platform(processorCount);
  SearchState& state = ProgramSearchState();
  const SolveOutcome outcome = SolveCommand(controls, platform, state);
  controls.EndProgress();
  const unsigned usedProcessors = UsableProcessors(platform.LogicalProcessorCount());
  const std::size_t shown = std::min(shownCount, state.results.size());

  const std::array<std::string, 2> geometry = {controls.GetText(IDC_PITCH_DIAMETER_LINE, 1024),
                                               controls.GetText(IDC_OUTSIDE_DIAMETER_LINE, 1024)};
  if (json) {
    // Keys in the order a reader meets them.
    nlohmann::ordered_json out;
    out["geometry"] = geometry;
    out["candidates"] = outcome.candidates;
    out["processors"] = usedProcessors;
    out["results"] = state.results.size();
    out["stopped"] = outcome.stopped;
    out["shown"] = nlohmann::ordered_json::array();
    for (std::size_t k = 0; k < shown; ++k) {
      ShowSearchResult(controls, state, k);
      const ShownLines lines = ReadShown(controls);
      const SolveResult& r = state.results[k];
      out["shown"].push_back({{"teeth", ToothCounts(r)},
                              {"feedError", FixedText(r.feedError, 30)},
                              {"C", FixedText(r.C, 30)},
                              {"lines",
                               {{"indexCells", lines.indexCells},
                                {"feedCells", lines.feedCells},
                                {"c", lines.c},
                                {"lead", lines.lead},
                                {"indexError", lines.indexError},
                                {"feedError", lines.feedError},
                                {"actualFeed", lines.actualFeed}}}});
    }
    std::cout << out.dump(2) << "\n";
  } else {
    std::cout << geometry[0] << "\n"
              << geometry[1] << "\n"
              << outcome.candidates << " candidates, " << state.results.size() << " results, "
              << usedProcessors << " processors\n";
    for (std::size_t k = 0; k < shown; ++k) {
      ShowSearchResult(controls, state, k);
      const ShownLines lines = ReadShown(controls);
      std::cout << "\nResult " << k + 1 << " of " << state.results.size() << "\n"
                << "  Index: " << Fraction(lines.indexCells) << "\n"
                << "  Feed:  " << Fraction(lines.feedCells) << "\n"
                << "  " << lines.c << "\n"
                << "  " << lines.lead << "\n"
                << "  " << lines.indexError << "\n"
                << "  " << lines.feedError << "\n"
                << "  " << lines.actualFeed << "\n";
    }
  }
  std::cout.flush();
  if (sheetPath) {
    const std::string problem = WriteResultSheet(controls, state.results, sheetNumber, *sheetPath);
    if (!problem.empty()) {
      std::cerr << kProgram << ": --sheet: " << problem << "\n";
      return 1;
    }
  }

  if (outcome.failed)
    std::cerr << kProgram << ": the search ran out of memory; results are missing\n";
  if (outcome.stopped) {
    std::cerr << kProgram << ": stopped early; these are the results found so far\n";
    return kInterrupted;
  }
  return outcome.failed ? 1 : 0;
}
