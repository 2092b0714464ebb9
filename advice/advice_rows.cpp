#include "advice/advice_rows.h"

#include "results/result_rows.h"
#include "search/order_results.h"

namespace corvanta {

namespace {

std::string AddedText(const std::vector<std::uint32_t>& added) {
  if (added.empty()) return kStockAsItIs;
  std::string text;
  for (const std::uint32_t teeth : added)
    text += (text.empty() ? "" : " and ") + std::to_string(teeth);
  return text;
}

}  // namespace

const std::array<std::string, kAdviceColumnCount>& AdviceColumnTitles() {
  static const std::array<std::string, kAdviceColumnCount> titles = {
      "Gears Added",         "Results", "Feed Error", "Lead Error",
      "Smallest Lead Error", "Index",   "Feed",       "C"};
  return titles;
}

AdviceListRow MakeAdviceListRow(std::size_t rank, const AdviceRow& row, const DisplayInputs& inputs,
                                const IndexTerms& indexTerms, SearchMethod method) {
  AdviceListRow list;
  list.rank = rank;
  list.added = row.added;
  auto set = [&list](AdviceColumn column, std::string text, std::optional<Decimal100> key) {
    list.cells[static_cast<std::size_t>(column)] = std::move(text);
    list.keys[static_cast<std::size_t>(column)] = std::move(key);
  };
  set(AdviceColumn::kAdded, AddedText(row.added), std::nullopt);
  set(AdviceColumn::kResults, std::to_string(row.results), Decimal100(row.results));
  if (!row.first || !row.bestLead) return list;

  const ResultRow first = MakeResultRow(1, inputs, indexTerms, *row.first, method);
  const ResultRow best =
      MakeResultRow(row.bestLeadNumber, inputs, indexTerms, *row.bestLead, method);
  auto from = [&](AdviceColumn column, const ResultRow& result, ResultColumn source) {
    set(column, result.cells[static_cast<std::size_t>(source)], ResultSortKey(result, source));
  };
  from(AdviceColumn::kFeedError, first, ResultColumn::kFeedError);
  from(AdviceColumn::kLeadError, first, ResultColumn::kLeadError);
  from(AdviceColumn::kIndex, first, ResultColumn::kIndex);
  from(AdviceColumn::kFeed, first, ResultColumn::kFeed);
  from(AdviceColumn::kC, first, ResultColumn::kC);
  // Its size is what the operator looks for: the column sorts by it.
  set(AdviceColumn::kBestLeadError,
      best.cells[static_cast<std::size_t>(ResultColumn::kLeadError)] + " (result " +
          std::to_string(row.bestLeadNumber) + ")",
      abs(best.numbers.leadError));
  return list;
}

std::vector<std::size_t> SortedAdviceOrder(const std::vector<AdviceListRow>& rows,
                                           AdviceColumn column, bool descending) {
  const auto k = static_cast<std::size_t>(column);
  // Stocks without results sort last whichever way the list runs.
  return SortedOrder(
      rows.size(), [&](std::size_t r) { return rows[r].rank; }, column == AdviceColumn::kAdded,
      descending,
      [&](std::size_t a, std::size_t b) {
        const std::optional<Decimal100>& x = rows[a].keys[k];
        const std::optional<Decimal100>& y = rows[b].keys[k];
        if (!x || !y) return x.has_value() && !y.has_value();
        const int sign = CompareNumbers(*x, *y);
        return descending ? sign > 0 : sign < 0;
      });
}

std::string AdviceTabText(const std::vector<AdviceListRow>& rows,
                          const std::vector<std::size_t>& order) {
  return TabText(AdviceColumnTitles(), rows, order);
}

}  // namespace corvanta
