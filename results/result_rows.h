// Every result of a Solve as one list, one row a result: the texts each
// column shows, the 100-digit numbers the list sorts by, and the list as
// tab-separated text for the clipboard and as CSV for a spreadsheet.
//
// A row's texts are cut from the lines the main page shows for the same
// result (EvaluateResult), so the list never says anything the page does
// not; its sort keys are the numbers behind those lines, so two values
// that look alike in their shown digits still sort by their real size.
#ifndef CORVANTA_RESULTS_RESULT_ROWS_H
#define CORVANTA_RESULTS_RESULT_ROWS_H

#include <algorithm>
#include <array>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

#include "numeric/number_types.h"
#include "results/result_texts.h"
#include "search/job_values.h"
#include "search/search_method.h"
#include "search/solve_result.h"

namespace corvanta {

// The columns of the list, left to right.
enum class ResultColumn {
  kNumber,      // the Solve's order, from 1
  kIndex,       // "a x b / c x d", driving over driven
  kFeed,        // the same for the feed train
  kC,           // the C line's fraction, or C with 10 decimals when it has none
  kLead,        // as on the lead line
  kLeadError,   // the lead line's error
  kFeedError,   // as on the feed error line
  kActualFeed,  // the actual feed from C
  kAlongHelix,  // the same along the helix angle
};
inline constexpr std::size_t kResultColumnCount = 9;

// The column heads, in the order of ResultColumn.
const std::array<std::string, kResultColumnCount>& ResultColumnTitles();

struct ResultRow {
  std::size_t number = 0;                             // the Solve's order, from 1
  std::array<std::string, kResultColumnCount> cells;  // as the columns show them
  // Every digit the search kept for the result, as corvanta-solve's JSON
  // prints them (30 decimals).
  std::string storedFeedError, storedC;
  // The sort keys of the columns that show fewer digits than they hold.
  Decimal100 indexRatio, feedRatio;
  ResultNumbers numbers;
};

// The row of `result`, number `number` in the Solve's order, for the job of
// `inputs` (its numbers as EvaluateResult computes them).
ResultRow MakeResultRow(std::size_t number, const DisplayInputs& inputs,
                        const IndexTerms& indexTerms, const SolveResult& result,
                        SearchMethod method);

// The positions in `rows` in the order of `column`, smallest first or, when
// `descending`, largest first. Rows of equal value keep the Solve's order
// either way, so the same click always gives the same list.
// The 100-digit value a column sorts by (not for kNumber, which sorts by
// the row's number).
const Decimal100& ResultSortKey(const ResultRow& row, ResultColumn column);

std::vector<std::size_t> SortedRowOrder(const std::vector<ResultRow>& rows, ResultColumn column,
                                        bool descending);

// The copy text of a list page: `heads`, then the cells of rows[order[0]],
// rows[order[1]], ... (positions past the rows are passed over), one line
// each, cells apart by tabs, lines ended with CR LF.
template <typename Row, std::size_t N>
std::string TabText(const std::array<std::string, N>& heads, const std::vector<Row>& rows,
                    const std::vector<std::size_t>& order) {
  std::string text;
  const auto append = [&text](const std::array<std::string, N>& cells) {
    for (std::size_t k = 0; k < N; ++k) text += (k > 0 ? "\t" : "") + cells[k];
    text += "\r\n";
  };
  append(heads);
  for (const std::size_t k : order)
    if (k < rows.size()) append(rows[k].cells);
  return text;
}

// The order of a list's rows for a click on a column head, for any list of
// rows: positions 0 to count - 1 by `rank` (the Solve's order), reversed
// when `byRankOnly` and `descending`; otherwise then stably by `before`,
// which sorts the way the list runs, so that equal keys keep the Solve's
// order either way.
template <typename Rank, typename Before>
std::vector<std::size_t> SortedOrder(std::size_t count, Rank rank, bool byRankOnly, bool descending,
                                     Before before) {
  std::vector<std::size_t> order(count);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(),
            [&](std::size_t a, std::size_t b) { return rank(a) < rank(b); });
  if (byRankOnly) {
    if (descending) std::reverse(order.begin(), order.end());
    return order;
  }
  std::stable_sort(order.begin(), order.end(), before);
  return order;
}

// The column heads and then rows[order[0]], rows[order[1]], ..., one line
// each, cells separated by tabs, each line ended by CR LF (the clipboard's
// text format).
std::string ResultsTabText(const std::vector<ResultRow>& rows,
                           const std::vector<std::size_t>& order);

// The CSV head line.
inline constexpr const char* kResultsCsvHead =
    "Result,Index,Feed,C,Lead,Lead Error,Feed Error,Actual Feed,Along Helix,Stored Feed "
    "Error,Stored C";

// `rows` as CSV (RFC 4180): kResultsCsvHead, then one record a row in the
// order given, each cell quoted when it holds a comma, a quote, CR or LF,
// every line ended by CR LF. Given the rows as made, in the Solve's order,
// the same job gives the same bytes however the list on screen is sorted.
std::string ResultsCsv(const std::vector<ResultRow>& rows);

// One CSV cell: `text` itself, or quoted with its quotes doubled when it
// needs to be.
std::string CsvField(const std::string& text);

}  // namespace corvanta

#endif
