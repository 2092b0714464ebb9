#include "window_model/result_list.h"

#include "window_model/read_job.h"

namespace corvanta {

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

ResultListSort ClickColumnHead(const ResultListSort& sort, ResultColumn column) {
  if (sort.column == column) return {column, !sort.descending};
  return {column, false};
}

}  // namespace corvanta
