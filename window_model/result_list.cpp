#include "window_model/result_list.h"

#include <charconv>

#include "resources/resource.h"
#include "window_model/pages.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"

namespace corvanta {

namespace {

std::vector<std::size_t> OrderOf(const std::vector<ResultRow>& rows, const ListSort& sort) {
  return SortedRowOrder(rows, static_cast<ResultColumn>(sort.column), sort.descending);
}

void FillList(ControlAccess& controls, const SolveSession& session) {
  std::vector<std::vector<std::string>> cells;
  if (const auto rows = ResultRowsOnPage(controls, session)) {
    for (const std::size_t k : OrderOf(*rows, session.resultSort))
      cells.emplace_back((*rows)[k].cells.begin(), (*rows)[k].cells.end());
  }
  controls.SetListRows(IDC_RESULT_LIST, cells);
}

}  // namespace

std::optional<std::vector<ResultRow>> ResultRowsOnPage(const ControlAccess& controls,
                                                       const SolveSession& session) {
  if (SolveRunning(session)) return std::nullopt;
  const std::optional<DisplayInputs> inputs = ReadDisplayInputs(controls);
  const std::optional<IndexTerms> terms = ReadIndexTerms(controls);
  if (!inputs || !terms) return std::nullopt;
  std::vector<ResultRow> rows;
  rows.reserve(session.results.size());
  for (std::size_t k = 0; k < session.results.size(); ++k)
    rows.push_back(MakeResultRow(k + 1, *inputs, *terms, session.results[k], session.method));
  return rows;
}

ListSort ClickColumnHead(const ListSort& sort, int column) {
  if (sort.column == column) return {column, !sort.descending};
  return {column, false};
}

void ResultsPageCommand(ControlAccess& controls, SolveSession& session) {
  if (!controls.ResultOnDisplay() || SolveRunning(session)) return;
  FillList(controls, session);
  PageCommand(controls, kResultsPage);
}

void SortResultList(ControlAccess& controls, SolveSession& session, ResultColumn column) {
  if (SolveRunning(session)) return;
  session.resultSort = ClickColumnHead(session.resultSort, static_cast<int>(column));
  FillList(controls, session);
}

bool ShowListedResult(ControlAccess& controls, SolveSession& session, int row) {
  // The row's own number says which result it is, however it is sorted.
  const std::string cell = controls.GetListCell(IDC_RESULT_LIST, row, 0);
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), number);
  if (error != std::errc() || end != cell.data() + cell.size() || number == 0 ||
      number > session.results.size())
    return false;
  controls.SetSpinnerPosition(IDC_RESULT_SELECTOR, static_cast<int>(number));
  if (!ShowSearchResult(controls, session, number - 1)) return false;
  PageCommand(controls, kMainPage);
  return true;
}

std::optional<std::string> ResultListCopyText(const ControlAccess& controls,
                                              const SolveSession& session) {
  const auto rows = ResultRowsOnPage(controls, session);
  if (!rows || rows->empty()) return std::nullopt;
  return ResultsTabText(*rows, OrderOf(*rows, session.resultSort));
}

std::optional<std::string> ResultListCsv(const ControlAccess& controls,
                                         const SolveSession& session) {
  const auto rows = ResultRowsOnPage(controls, session);
  if (!rows || rows->empty()) return std::nullopt;
  return ResultsCsv(*rows);
}

}  // namespace corvanta
