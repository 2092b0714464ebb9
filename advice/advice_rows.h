// The gear advice as a list: one row a stock, the texts each column shows
// and the 100-digit numbers the list sorts by, and the list as
// tab-separated text for the clipboard.
//
// A row's texts are those of the results list (results/result_rows.h) for
// the stock's result 1 and its result of smallest lead error, so the advice
// never says anything a Solve with that stock would not show.
#ifndef CORVANTA_ADVICE_ADVICE_ROWS_H
#define CORVANTA_ADVICE_ADVICE_ROWS_H

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "advice/gear_advice.h"
#include "numeric/number_types.h"
#include "results/result_texts.h"

namespace corvanta {

// The columns of the list, left to right.
enum class AdviceColumn {
  kAdded,          // the tooth counts added; the rank sorts it
  kResults,        // how many results the stock gives
  kFeedError,      // result 1's, as the results list shows it
  kLeadError,      // result 1's
  kBestLeadError,  // the smallest absolute lead error among the results
  kIndex,          // result 1's index train, "a x b / c x d"
  kFeed,           // its feed train
  kC,              // its C
};
inline constexpr std::size_t kAdviceColumnCount = 8;

// The column heads, in the order of AdviceColumn.
const std::array<std::string, kAdviceColumnCount>& AdviceColumnTitles();

// The first column of the stock as it is.
inline constexpr const char* kStockAsItIs = "None (the stock as it is)";

struct AdviceListRow {
  std::size_t rank = 0;  // the advice's order, from 0 (the stock as it is)
  std::vector<std::uint32_t> added;
  std::array<std::string, kAdviceColumnCount> cells;
  // The sort keys of the columns but the first; nullopt for a stock without
  // results, which sorts after every stock with some, either way round.
  std::array<std::optional<Decimal100>, kAdviceColumnCount> keys;
};

// The list row of `row`, the rank-th of the advice, for the job of
// `inputs` and `indexTerms`.
AdviceListRow MakeAdviceListRow(std::size_t rank, const AdviceRow& row, const DisplayInputs& inputs,
                                const IndexTerms& indexTerms, SearchMethod method);

// The positions in `rows` in the order of `column`, smallest first or, when
// `descending`, largest first. Equal values keep the advice's order, and
// stocks without results come last either way.
std::vector<std::size_t> SortedAdviceOrder(const std::vector<AdviceListRow>& rows,
                                           AdviceColumn column, bool descending);

// The column heads and then the rows in `order`, cells separated by tabs,
// each line ended by CR LF.
std::string AdviceTabText(const std::vector<AdviceListRow>& rows,
                          const std::vector<std::size_t>& order);

}  // namespace corvanta

#endif
