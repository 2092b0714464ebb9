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
#include "resources/corvanta_version.h"
#include "resources/resource.h"
#include "search/order_results.h"
#include "search/thread_platform.h"
#include "settings/app_settings.h"
#include "settings/portable_profile_store.h"
#include "tools/setup_options.h"
#include "tools/unknown_option.h"
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

// The command line as given.
struct Options {
  std::optional<std::string> indexConst, feedConst, feedRate, helix, pitch;
  std::string teeth, hobThreads = "1", setupRow = "0";
  bool setupGiven = false;
  SetupMeaning setupMeaning;
  bool wholeC = false;
  std::optional<std::string> stock, settingsFile;
  std::string processors, resultCount = "10";
  bool json = false, literal = false;
  std::optional<std::string> sheetPath;
  std::string sheetResult = "1";
};

// The five numeric fields: their option and label, the most characters the
// window lets them hold (typed, or set from the settings file), the option
// that gives their text, and what the text fills: a saved setting, which the
// option replaces, or a text of the job alone.
struct NumericField {
  ControlId id;
  const char* option;
  const char* label;
  std::size_t maxLength;
  std::optional<std::string> Options::*given;
  std::string AppSettings::*setting;  // nullptr: no saved setting
  std::string JobEntry::*jobText;     // where there is no setting
};

// The saved ones first: their texts are checked before the rest.
constexpr NumericField kNumericFields[] = {
    {IDC_INDEX_CONST, "--index-const", "Index Const:", kIndexConstantMaxLength,
     &Options::indexConst, &AppSettings::indexConstant, nullptr},
    {IDC_FEED_CONST, "--feed-const", "Feed Const:", kFeedConstantMaxLength, &Options::feedConst,
     &AppSettings::feedConstant, nullptr},
    {IDC_FEED_RATE, "--feed-rate", "Feed Rate:", kFeedRateMaxLength, &Options::feedRate,
     &AppSettings::feedRate, nullptr},
    {IDC_HELIX_ANGLE, "--helix", "Helix Angle:", 33, &Options::helix, nullptr,
     &JobEntry::helixAngle},
    {IDC_NORMAL_DIAMETRAL_PITCH, "--ndp", "Normal Diametral Pitch:", 33, &Options::pitch, nullptr,
     &JobEntry::normalPitch},
};

std::string& TextOf(JobEntry& job, const NumericField& field) {
  return field.setting != nullptr ? job.settings.*field.setting : job.*field.jobText;
}

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

// The command line, or its end: --help and --version print their text and
// end the program, anything the parser refuses is a refusal.
Options ParseOptions(int argc, char** argv) {
  CLI::App app{
      "Finds the index and feed change gears for hobbing a helical gear without a "
      "differential, as the Corvanta window does, and prints the results it would show.",
      kProgram};
  app.set_version_flag("--version", std::string(kProgram) + " " + CORVANTA_VERSION,
                       "print the version and exit");
  // Unknown options are refused below, with the nearest known one.
  app.allow_extras();
  Options options;
  app.add_option("--index-const", options.indexConst,
                 "\"Index Const:\" (default: the saved settings)");
  app.add_option("--feed-const", options.feedConst,
                 "\"Feed Const:\" (default: the saved settings)");
  app.add_option("--feed-rate", options.feedRate, "\"Feed Rate:\" (default: the saved settings)");
  app.add_option("--helix", options.helix, "\"Helix Angle:\" in degrees");
  app.add_option("--ndp", options.pitch, "\"Normal Diametral Pitch:\"");
  app.add_option("--teeth", options.teeth, "\"Number of Teeth:\", 1 to 500")->type_name("N");
  app.add_option("--hob-threads", options.hobThreads, "\"Hob Threads:\", 1 to 24 (default 1)")
      ->type_name("T");
  CLI::Option* setupOption =
      app.add_option("--setup", options.setupRow,
                     "machine set-up row of the hand/cut table, 0 to 7 (default 0)")
          ->type_name("ROW");
  AddSetupMeaningOptions(app, options.setupMeaning);
  app.add_flag("--whole-c", options.wholeC, "\"Use Whole C Constants Only\"");
  app.add_option("--stock", options.stock,
                 "the gear stock as the settings file keeps it: character k is '1' when the "
                 "gear with 16 + k teeth is owned; a short text repeats its last character "
                 "(default: the saved settings)");
  app.add_option("--settings", options.settingsFile,
                 "read the constants, the feed rate and the stock from this settings file; "
                 "options given as well take precedence")
      ->type_name("FILE");
  app.add_option("--processors", options.processors,
                 "logical processors to split the search over (default: all); the result "
                 "list depends on the split")
      ->type_name("P");
  app.add_option("--results", options.resultCount, "how many results to print (default 10)")
      ->type_name("K");
  app.add_flag("--json", options.json, "print one JSON object instead of text");
  app.add_flag("--literal", options.literal,
               "make every comparison of the search, and of the C shown, in 100 digits (the "
               "reference that the default, faster search gives the same results as)");
  CLI::Option* sheetOption =
      app.add_option("--sheet", options.sheetPath,
                     "also write the printed set-up sheet of one result as a one-page PDF")
          ->type_name("FILE.pdf");
  app.add_option("--sheet-result", options.sheetResult,
                 "the result whose sheet --sheet writes, counted from 1 (default 1)")
      ->type_name("N")
      ->needs(sheetOption);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    std::cout << app.help();
    std::exit(0);
  } catch (const CLI::CallForVersion& version) {
    std::cout << version.what() << "\n";
    std::exit(0);
  } catch (const CLI::ParseError& error) {
    Refuse(error.what());
  }
  if (!app.remaining().empty()) Refuse(LeftOverRefusal(app));
  options.setupGiven = setupOption->count() > 0;
  return options;
}

// The job, and what the run does with it.
struct Job {
  JobEntry entry;
  // Where the text of each control came from (an option, or the settings),
  // for a refusal of what it holds.
  std::map<ControlId, std::string> sourceOf;
  std::optional<unsigned> processors;
  int sheetResult = 1;
  std::size_t resultCount = 0;
  SearchMethod method = SearchMethod::kFast;
};

// The constants and the stock a run starts from: a settings file, or the
// program's own saved settings (their defaults when there are none).
AppSettings StartSettings(const Options& options) {
  if (!options.settingsFile) return LoadSettings();
  const std::string& path = *options.settingsFile;
  if (!std::ifstream(path)) Refuse("--settings: cannot read \"" + path + "\"");
  const LoadedSettings loaded = LoadSettingsFile(PortableProfileStore(), path);
  if (loaded.file == ProfileFile::kTooLarge)
    Refuse("--settings: \"" + path + "\" is too large for a settings file (over " +
           std::to_string(kProfileFileLimit >> 20) + " MiB)");
  return loaded.values;
}

// The job of the options, each text refused that the window would not hold.
Job BuildJob(const Options& options) {
  Job job;
  JobEntry& entry = job.entry;
  entry.settings = StartSettings(options);
  const std::string settingsSource =
      options.settingsFile ? "--settings " + *options.settingsFile : "saved settings";
  job.sourceOf[IDC_NUMBER_OF_TEETH] = "--teeth";
  const auto fill = [&](const NumericField& field) {
    const std::optional<std::string>& given = options.*field.given;
    std::string& text = TextOf(entry, field);
    if (given) text = *given;
    job.sourceOf[field.id] = given || !field.setting ? field.option : settingsSource;
    CheckFieldText(field, text, job.sourceOf[field.id]);
  };
  for (const NumericField& field : kNumericFields)
    if (field.setting) fill(field);
  if (options.stock) {
    const std::string& stock = *options.stock;
    if (stock.size() > kGearStockTextMaxLength ||
        stock.find_first_not_of("01") != std::string::npos)
      Refuse("--stock: the gear stock takes up to 154 characters '0' and '1' (got \"" + stock +
             "\")");
    entry.settings.gearStockText = stock;
  }
  for (const NumericField& field : kNumericFields)
    if (!field.setting) fill(field);

  if (options.teeth.empty()) Refuse("--teeth: \"Number of Teeth:\" must be chosen, 1 to 500");
  entry.teeth = WholeNumber(options.teeth, "--teeth", "\"Number of Teeth:\"", 1, 500);
  entry.hobThreads =
      std::to_string(WholeNumber(options.hobThreads, "--hob-threads", "\"Hob Threads:\"", 1, 24));
  entry.setupRow = WholeNumber(options.setupRow, "--setup", "the set-up row", 0, 7);
  std::string disagreement;
  const std::optional<int> row =
      ChooseSetupRow(entry.setupRow, options.setupGiven, options.setupMeaning, &disagreement);
  if (!row) Refuse(disagreement);
  entry.setupRow = *row;
  entry.wholeC = options.wholeC;
  job.method = options.literal ? SearchMethod::kLiteral : SearchMethod::kFast;
  if (!options.processors.empty())
    job.processors = static_cast<unsigned>(
        WholeNumber(options.processors, "--processors", "the processor count", 1, 1024));
  job.sheetResult =
      WholeNumber(options.sheetResult, "--sheet-result", "the result number", 1, 1000000);
  job.resultCount = static_cast<std::size_t>(
      WholeNumber(options.resultCount, "--results", "the number of results", 0, 1000000));
  return job;
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
void RefuseInvalidInput(SolveControls& controls, const Job& job) {
  UpdateGeometry(controls);
  ValidateInputs(controls);
  if (const auto problem = FindInputProblem(controls)) {
    const auto source = job.sourceOf.find(problem->control);
    Refuse((source != job.sourceOf.end() ? source->second : "") + ": \"" + problem->field +
           "\" must be " + problem->accepted + " (got \"" +
           controls.GetText(problem->control, 1024) + "\")");
  }
}

// What the Solve did and found.
struct Run {
  SolveOutcome outcome;
  unsigned processors = 0;
  const std::vector<SolveResult>* results = nullptr;
};

// "&Solve", with Ctrl+C as the stop key.
Run Solve(SolveControls& controls, const Job& job) {
  struct sigaction action {};
  action.sa_handler = OnInterrupt;
  action.sa_flags = SA_RESETHAND;  // a second Ctrl+C ends the program at once
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);

  TerminalPlatform platform(job.processors);
  SearchState& state = ProgramSearchState();
  state.method = job.method;
  Run run;
  run.outcome = SolveCommand(controls, platform, state);
  controls.EndProgress();
  run.processors = UsableProcessors(platform.LogicalProcessorCount());
  run.results = &state.results;
  return run;
}

// One shown result, read back from the controls.
struct ShownLines {
  std::array<int, 4> indexCells{}, feedCells{};
  std::string c, lead, indexError, feedError, actualFeed;
};

// Result k (from 0) as the result selector shows it.
ShownLines ShowAndRead(MemoryControls& controls, std::size_t k) {
  ShowSearchResult(controls, ProgramSearchState(), k);
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
    std::cout << "\nResult " << k + 1 << " of " << count << "\n"
              << "  Index: " << Fraction(lines.indexCells) << "\n"
              << "  Feed:  " << Fraction(lines.feedCells) << "\n"
              << "  " << lines.c << "\n"
              << "  " << lines.lead << "\n"
              << "  " << lines.indexError << "\n"
              << "  " << lines.feedError << "\n"
              << "  " << lines.actualFeed << "\n";
  }
}

// What --sheet FILE.pdf --sheet-result N does after a Solve: shows result
// number `resultNumber` (counted from 1, as the result selector counts), as
// "Print ..." prints the result on display, and writes its sheet. "" when
// written, else what went wrong: no such result, or a file that cannot be
// written.
std::string WriteSheet(ControlAccess& controls, const SearchState& state, int resultNumber,
                       const std::string& path) {
  const std::vector<SolveResult>& results = state.results;
  if (resultNumber < 1 || static_cast<unsigned>(resultNumber) > results.size()) {
    return "there is no result " + std::to_string(resultNumber) + " to write a sheet for (" +
           std::to_string(results.size()) + " results)";
  }
  const auto index = static_cast<std::size_t>(resultNumber - 1);
  ShowSearchResult(controls, state, index);
  std::string error;
  if (!WriteSheetPdf(ComposeSetupSheet(ReadSheetInputs(controls), results[index]), path, &error))
    return "cannot write \"" + path + "\": " + error;
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = ParseOptions(argc, argv);
  const Job job = BuildJob(options);
  SolveControls controls(isatty(STDERR_FILENO) == 1);
  EnterJob(controls, job.entry);
  RefuseInvalidInput(controls, job);

  const Run run = Solve(controls, job);
  const std::size_t shown = std::min(job.resultCount, run.results->size());
  if (options.json) {
    PrintJson(controls, run, shown);
  } else {
    PrintText(controls, run, shown);
  }
  std::cout.flush();
  if (options.sheetPath) {
    const std::string problem =
        WriteSheet(controls, ProgramSearchState(), job.sheetResult, *options.sheetPath);
    if (!problem.empty()) {
      std::cerr << kProgram << ": --sheet: " << problem << "\n";
      return 1;
    }
  }

  if (run.outcome.failed)
    std::cerr << kProgram << ": the search ran out of memory; results are missing\n";
  if (run.outcome.stopped) {
    std::cerr << kProgram << ": stopped early; these are the results found so far\n";
    return kInterrupted;
  }
  return run.outcome.failed ? 1 : 0;
}
