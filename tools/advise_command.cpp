#include "tools/advise_command.h"

#include <iostream>
#include <mutex>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <thread>

#include "advice/gear_advice.h"
#include "search/feed_search.h"
#include "tools/result_lines.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"

namespace corvanta {

namespace {

constexpr int kInterrupted = 130;

// The lines of `result` as the display shows them for the job in the
// controls.
std::optional<ShownLines> Lines(const ControlAccess& controls, const SolveResult& result,
                                SearchMethod method) {
  const std::optional<ResultTexts> texts = EvaluateShownResult(controls, result, method);
  if (!texts) return std::nullopt;
  return LinesOf(*texts);
}

nlohmann::ordered_json Entry(const ControlAccess& controls, const std::optional<SolveResult>& r,
                             SearchMethod method) {
  if (!r) return nullptr;
  const std::optional<ShownLines> lines = Lines(controls, *r, method);
  return lines ? ResultEntry(*r, *lines) : nlohmann::ordered_json(nullptr);
}

std::string AddedText(const std::vector<std::uint32_t>& added) {
  if (added.empty()) return "The stock as it is";
  std::string text = "With " + std::to_string(added.front());
  if (added.size() > 1) text += " and " + std::to_string(added[1]);
  return text + " added";
}

void PrintJson(const ControlAccess& controls, const AdviceOutcome& outcome, unsigned processors,
               std::size_t shown, SearchMethod method) {
  nlohmann::ordered_json out;
  out["processors"] = processors;
  out["tried"] = outcome.tried;
  out["stopped"] = outcome.stopped;
  out["rows"] = nlohmann::ordered_json::array();
  for (std::size_t k = 0; k < shown; ++k) {
    const AdviceRow& row = outcome.rows[k];
    out["rows"].push_back({{"added", row.added},
                           {"results", row.results},
                           {"first", Entry(controls, row.first, method)},
                           {"bestLead", Entry(controls, row.bestLead, method)},
                           {"bestLeadResult", row.bestLeadNumber}});
  }
  std::cout << out.dump(2) << "\n";
}

void PrintText(const ControlAccess& controls, const AdviceOutcome& outcome, unsigned processors,
               std::size_t shown, SearchMethod method) {
  if (outcome.tried == 0) {
    std::cout << "Every change gear from 16 to 169 teeth is in the stock: there is none to add.\n";
  } else {
    std::cout << outcome.tried << " stocks with gears added, each searched as a Solve on "
              << processors << " processors\n";
  }
  for (std::size_t k = 0; k < shown; ++k) {
    const AdviceRow& row = outcome.rows[k];
    std::cout << "\n" << AddedText(row.added) << ": " << row.results << " results\n";
    if (!row.first) continue;
    if (const auto lines = Lines(controls, *row.first, method)) {
      std::cout << "  Result 1\n";
      PrintLines(std::cout, *lines, "    ");
    }
    if (const auto lines = Lines(controls, *row.bestLead, method)) {
      std::cout << "  Smallest lead error: result " << row.bestLeadNumber << "\n";
      PrintLines(std::cout, *lines, "    ");
    }
  }
}

}  // namespace

int RunAdviseCommand(const ControlAccess& controls, SolvePlatform& platform,
                     const AdviseRequest& request) {
  const unsigned processors = UsableProcessors(platform.LogicalProcessorCount());
  const std::optional<JobValues> job = ReadJobValues(controls);
  const std::optional<DisplayInputs> display = ReadDisplayInputs(controls);
  AdviceOutcome outcome;
  RunControl control;
  std::mutex terminal;
  bool progressShown = false;
  const AdviceProgress progress = [&](std::size_t done, std::size_t total) {
    if (!request.showProgress) return;
    std::lock_guard<std::mutex> lock(terminal);
    std::cerr << "\r\033[KSearching stock " << done << " of " << total
              << ". Press Ctrl+C to stop early" << std::flush;
    progressShown = true;
  };
  if (job && display) {
    const AdviceJob advice{*job, *display, ReadStockGears(controls), request.method, processors};
    outcome = RunAdvice(platform, advice, request.pairs,
                        UsableProcessors(std::thread::hardware_concurrency()), control, progress);
  } else {
    // A field the validation passed but the 100-digit parser refuses leaves
    // no job, as for a Solve: the stock itself, without results.
    outcome.rows.emplace_back();
  }
  if (progressShown) std::cerr << "\r\033[K" << std::flush;

  const std::size_t shown = std::min(outcome.rows.size(), request.rows + 1);
  if (request.json) {
    PrintJson(controls, outcome, processors, shown, request.method);
  } else {
    PrintText(controls, outcome, processors, shown, request.method);
  }
  std::cout.flush();
  if (outcome.stopped) {
    std::cerr << "corvanta-solve: stopped early; these are the rows found so far\n";
    return kInterrupted;
  }
  return 0;
}

}  // namespace corvanta
