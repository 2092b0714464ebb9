// Which change gears to buy: for a job and a gear stock, what a Solve finds
// with each gear the stock lacks added to it (or each pair of such gears),
// ranked so that the additions that help most come first.
//
// Every row is the outcome of a whole search of its own stock, on as many
// processors as the Solve it stands for: a gear added changes the pair
// table, and with it the candidates' bracket steps and what the search has
// already seen, so no row is patched from another. The searches of the
// rows run side by side, each on one thread.
#ifndef CORVANTA_ADVICE_GEAR_ADVICE_H
#define CORVANTA_ADVICE_GEAR_ADVICE_H

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "results/result_texts.h"
#include "search/c_cache.h"
#include "search/job_values.h"
#include "search/pair_table.h"
#include "search/run_control.h"
#include "search/search_method.h"
#include "search/solve_platform.h"
#include "search/solve_result.h"

namespace corvanta {

// The job as the advice needs it: what the search reads and what the
// result display reads (the lead errors), the stock, and the Solve the rows
// stand for.
struct AdviceJob {
  JobValues job;
  DisplayInputs display;
  StockGears stock;  // ascending, without repeats
  SearchMethod method = SearchMethod::kFast;
  unsigned processors = 1;  // the Solve's P
};

// One stock's outcome: the stock with `added` put in.
struct AdviceRow {
  std::vector<std::uint32_t> added;  // tooth counts, ascending; empty for the stock itself
  std::size_t results = 0;
  std::optional<SolveResult> first;     // the Solve's result 1
  std::optional<SolveResult> bestLead;  // the result of smallest absolute lead error
  // The Solve's number of bestLead, from 1.
  std::size_t bestLeadNumber = 0;
};

// The additions to try: every gear from 16 to 169 teeth that `stock` lacks,
// each alone, and with `pairs` every two of them as well; ascending.
std::vector<std::vector<std::uint32_t>> AdviceAdditions(const StockGears& stock, bool pairs);

// The row of `stock` with `added` put in: one whole search on the calling
// thread (the workers of its split run in turn). `control` is the advice's:
// its stop ends the search early, and the row is then incomplete.
// With `cCache` (for the job's index terms) the fast search takes its C
// constants from it.
AdviceRow AdviseStock(const AdviceJob& advice, const std::vector<std::uint32_t>& added,
                      RunControl& control, CCache* cCache = nullptr);

// The rows in the order the advice shows them: the stock itself first;
// then rows with results by result 1's feed error, smallest first (as the
// Solve orders its results), rows without results last; ties by more
// results, then by the smaller tooth counts added.
void RankAdviceRows(std::vector<AdviceRow>& rows);

// What an advice run did.
struct AdviceOutcome {
  std::vector<AdviceRow> rows;  // ranked; only the stocks searched to their end
  std::size_t tried = 0;        // additions to try (the stock itself not counted)
  bool stopped = false;         // the stop came before every row was done
};

// Called from the advice's threads as rows are done: rows done (the stock
// itself included) and rows in all.
using AdviceProgress = std::function<void(std::size_t done, std::size_t total)>;

// The stock itself and every addition, searched on `threads` threads
// started through `platform` (its stop key and messages watched meanwhile,
// as a Solve watches them); the calling thread waits. A stop keeps the rows
// already done. The fast search's C constants are refined once for all the
// rows (CCache).
AdviceOutcome RunAdvice(SolvePlatform& platform, const AdviceJob& advice, bool pairs,
                        unsigned threads, RunControl& control, const AdviceProgress& progress);

}  // namespace corvanta

#endif
