#include "tools/solve_options.h"

#include <sys/stat.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

#include "resources/corvanta_version.h"
#include "resources/resource.h"
#include "settings/gear_list_text.h"
#include "settings/portable_profile_store.h"
#include "settings/settings_location.h"
#include "tools/machine_listing.h"
#include "tools/refusal_text.h"
#include "tools/unknown_option.h"
#include "window_model/field_controls.h"
#include "window_model/field_rules.h"

namespace corvanta {

namespace {

[[noreturn]] void Refuse(std::string message) { throw Refusal{std::move(message)}; }

std::string QuotedLabel(const char* label) { return std::string("\"") + label + "\""; }

// A typed field's option help: its label, its unit, and for a saved field
// where its text comes from when the option is not given.
std::string FieldHelp(const JobField& field) {
  std::string help = QuotedLabel(field.label);
  if (*field.unit != '\0') help += std::string(" in ") + field.unit;
  if (field.setting) help += " (default: the saved settings)";
  return help;
}

// A text the field itself could hold: digits and at most one point, within
// the most characters it holds (typed, or set from the settings file).
// Anything else (a sign, a letter, "1e5") never reaches the window's number
// parsing, so it is refused here as the window's key filter would refuse it.
void CheckFieldText(const JobField& field, const std::string& text, const std::string& source) {
  if (!IsFieldText(text) || text.size() > LongestText(field))
    Refuse(source + ": " + QuotedLabel(field.label) + " must be " + field.accepted +
           " in digits and at most one point, up to " + std::to_string(LongestText(field)) +
           " characters (got " + Quoted(text) + ")");
}

// A whole number from `low` to `high`, or a refusal naming the field.
int WholeNumber(const std::string& text, const std::string& option, const std::string& label,
                int low, int high) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
  if (text.empty() || error != std::errc() || stop != end || value < low || value > high)
    Refuse(option + ": " + label + " must be a whole number from " + std::to_string(low) + " to " +
           std::to_string(high) + " (got " + Quoted(text) + ")");
  return value;
}

int WholeNumber(const std::string& text, const ChosenField& field) {
  return WholeNumber(text, field.option, QuotedLabel(field.label), field.low, field.high);
}

}  // namespace

SolveOptions ParseSolveOptions(int argc, const char* const* argv) {
  CLI::App app{
      "Finds the index and feed change gears for hobbing a helical gear without a "
      "differential, as the Corvanta window does, and prints the results it would show.",
      kSolveProgram};
  app.set_version_flag("--version", std::string(kSolveProgram) + " " + CORVANTA_VERSION,
                       "print the version and exit");
  // Unknown options are refused below, with the nearest known one.
  app.allow_extras();
  SolveOptions options;
  for (const JobField& field : kJobFields)
    app.add_option(field.option, options.fieldTexts[static_cast<std::size_t>(field.id)],
                   FieldHelp(field));
  app.add_option(kNumberOfTeethField.option, options.teeth,
                 QuotedLabel(kNumberOfTeethField.label) + ", " + RangeText(kNumberOfTeethField))
      ->type_name("N");
  app.add_option(kHobThreadsField.option, options.hobThreads,
                 QuotedLabel(kHobThreadsField.label) + ", " + RangeText(kHobThreadsField) +
                     " (default " + options.hobThreads + ")")
      ->type_name("T");
  CLI::Option* setupOption =
      app.add_option("--setup", options.setupRow,
                     "machine set-up row of the hand/cut table, 0 to " +
                         std::to_string(kSetupRowCount - 1) + " (default " + options.setupRow + ")")
          ->type_name("ROW");
  AddSetupMeaningOptions(app, options.setupMeaning);
  app.add_flag("--whole-c", options.wholeC, "\"Use Whole C Constants Only\"");
  CLI::Option* stockOption =
      app.add_option("--stock", options.stock,
                     "the gear stock as the settings file keeps it: character k is '1' when the "
                     "gear with 16 + k teeth is owned; a short text repeats its last character "
                     "(default: the saved settings)");
  app.add_option("--gears", options.gears,
                 "the gear stock as tooth counts and ranges of them, 16 to 169 teeth, such as "
                 "30-90,100,127")
      ->type_name("LIST")
      ->excludes(stockOption);
  app.add_option("--settings", options.settingsFile,
                 "read the constants, the feed rate and the stock from this settings file; "
                 "options given as well take precedence")
      ->type_name("FILE");
  app.add_option("--machine", options.machine,
                 "take the constants, the feed rate and the stock from the saved machine NAME "
                 "(any case) instead of the section Settings; options given as well take "
                 "precedence")
      ->type_name("NAME");
  app.add_flag("--list-machines", options.listMachines,
               "print the saved machines, one a line with their constants, feed rate and gears, "
               "the current one marked *, and exit");
  app.add_option("--processors", options.processors,
                 "logical processors to split the search over (default: all); the result "
                 "list depends on the split")
      ->type_name("P");
  app.add_option("--results", options.resultCount,
                 "how many results (with --advise: rows) to print (default 10)")
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
  CLI::Option* csvOption =
      app.add_option("--csv", options.csvPath,
                     "write every result (up to 200) as CSV, one row a result: into FILE, or "
                     "instead of the listing on standard output when no FILE is given")
          ->expected(0, 1)
          ->type_name("[FILE]");
  CLI::Option* adviseOption = app.add_flag(
      "--advise", options.advise,
      "instead of printing the results, search the stock again with each change gear it "
      "lacks added, and print the stock's own row and the --results best rows");
  CLI::Option* pairsOption =
      app.add_flag("--advise-pairs", options.advisePairs,
                   "as --advise, with every two gears the stock lacks added as well");
  adviseOption->excludes(sheetOption);
  pairsOption->excludes(sheetOption);
  adviseOption->excludes(csvOption);
  pairsOption->excludes(csvOption);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    options.help = app.help();
    return options;
  } catch (const CLI::CallForVersion& version) {
    options.help = std::string(version.what()) + "\n";
    return options;
  } catch (const CLI::ParseError& error) {
    Refuse(error.what());  // its echoes are made one line where it is printed
  }
  if (!app.remaining().empty()) Refuse(LeftOverRefusal(app));
  options.setupGiven = setupOption->count() > 0;
  options.csv = csvOption->count() > 0;
  // A --csv without its FILE leaves the text empty.
  if (options.csvPath && options.csvPath->empty()) options.csvPath.reset();
  if (options.csv && !options.csvPath && options.json)
    Refuse("--csv without a FILE and --json both print on standard output: give --csv a FILE");
  return options;
}

namespace {

// A --settings path, looked at before it is opened: opening a pipe would
// wait for a writer.
void CheckSettingsPath(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || ::access(path.c_str(), R_OK) != 0)
    Refuse("--settings: cannot read " + Quoted(path, kEchoedPathBytes) + ": " +
           std::strerror(errno));
  if (S_ISDIR(status.st_mode))
    Refuse("--settings: " + Quoted(path, kEchoedPathBytes) + " is a folder, not a settings file");
  if (!S_ISREG(status.st_mode))
    Refuse("--settings: " + Quoted(path, kEchoedPathBytes) + " is not a regular file");
}

// What became of a --settings file that was opened.
void CheckSettingsRead(ProfileFile file, const std::string& path) {
  if (file == ProfileFile::kTooLarge)
    Refuse("--settings: " + Quoted(path, kEchoedPathBytes) +
           " is too large for a settings file (over " + std::to_string(kProfileFileLimit >> 20) +
           " MiB)");
  if (file != ProfileFile::kRead)
    Refuse("--settings: cannot read " + Quoted(path, kEchoedPathBytes));
}

AppSettings MachineSettings(const SolveOptions& options) {
  const std::string& name = *options.machine;
  const MachineList list = StartMachines(options);
  if (const std::optional<std::size_t> found = FindMachine(list, name))
    return list.machines[*found].values;
  if (list.machines.empty())
    Refuse("--machine: no machine is saved in " +
           (options.settingsFile ? Quoted(*options.settingsFile, kEchoedPathBytes)
                                 : std::string("the settings file")) +
           " (got " + Quoted(name) + ")");
  Refuse("--machine: no saved machine is named " + Quoted(name) + "; the nearest is " +
         Quoted(NearestMachineName(list, name)));
}

}  // namespace

MachineList StartMachines(const SolveOptions& options) {
  if (!options.settingsFile) return LoadMachines(SystemProfileStore(), CommonDataFolder());
  const std::string& path = *options.settingsFile;
  CheckSettingsPath(path);
  const MachineList list = LoadMachineList(PortableProfileStore(), path);
  CheckSettingsRead(list.file, path);
  return list;
}

AppSettings StartSettings(const SolveOptions& options) {
  if (options.machine) return MachineSettings(options);
  if (!options.settingsFile) return LoadSettings();
  const std::string& path = *options.settingsFile;
  CheckSettingsPath(path);
  const LoadedSettings loaded = LoadSettingsFile(PortableProfileStore(), path);
  CheckSettingsRead(loaded.file, path);
  return loaded.values;
}

SolveJob BuildSolveJob(const SolveOptions& options, const AppSettings& start) {
  SolveJob job;
  JobEntry& entry = job.entry;
  entry.settings = start;
  const std::string settingsSource =
      options.machine        ? "--machine " + Quoted(*options.machine)
      : options.settingsFile ? "--settings " + Quoted(*options.settingsFile, kEchoedPathBytes)
                             : "saved settings";
  job.sourceOf[IDC_NUMBER_OF_TEETH] = kNumberOfTeethField.option;
  const auto fill = [&](const JobField& field) {
    const std::optional<std::string>& given =
        options.fieldTexts[static_cast<std::size_t>(field.id)];
    std::string& text = FieldText(entry, field);
    if (given) text = *given;
    std::string& source = job.sourceOf[FieldControl(field.id)];
    source = given || !field.setting ? field.option : settingsSource;
    CheckFieldText(field, text, source);
  };
  // The saved fields first: their texts are checked before the rest.
  for (const JobField& field : kJobFields)
    if (field.setting) fill(field);
  if (options.stock) {
    const std::string& stock = *options.stock;
    if (stock.empty() || stock.size() > kGearStockTextMaxLength ||
        stock.find_first_not_of("01") != std::string::npos)
      Refuse("--stock: the gear stock takes 1 to " + std::to_string(kGearStockTextMaxLength) +
             " characters '0' and '1' (got " + Quoted(stock) + ")");
    entry.settings.gearStockText = stock;
  }
  if (options.gears) {
    const GearList gears = GearStockFromList(*options.gears);
    if (!gears.problem.empty())
      Refuse("--gears: " + gears.problem + " (got " + Quoted(*options.gears) + ")");
    entry.settings.gearStockText = gears.stockText;
  }
  for (const JobField& field : kJobFields)
    if (!field.setting) fill(field);

  if (options.teeth.empty())
    Refuse(std::string(kNumberOfTeethField.option) + ": " + QuotedLabel(kNumberOfTeethField.label) +
           " must be chosen, " + RangeText(kNumberOfTeethField));
  entry.teeth = WholeNumber(options.teeth, kNumberOfTeethField);
  entry.hobThreads = std::to_string(WholeNumber(options.hobThreads, kHobThreadsField));
  entry.setupRow =
      WholeNumber(options.setupRow, "--setup", "the set-up row", 0, kSetupRowCount - 1);
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

}  // namespace corvanta
