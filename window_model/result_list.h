// The list of every result on the results page, made from the fields as
// they stand, as the main page shows each result, and the order a click on
// a column head puts it in.
#ifndef CORVANTA_WINDOW_MODEL_RESULT_LIST_H
#define CORVANTA_WINDOW_MODEL_RESULT_LIST_H

#include <optional>
#include <vector>

#include "results/result_rows.h"
#include "window_model/control_access.h"
#include "window_model/solve_session.h"

namespace corvanta {

// One row for each of session.results, in the Solve's order, evaluated as
// ShowSearchResult evaluates the result it shows; nullopt while a Solve
// runs or when the page holds no job the numbers can be computed for.
std::optional<std::vector<ResultRow>> ResultRowsOnPage(const ControlAccess& controls,
                                                       const SolveSession& session);

// How the list is sorted: the Solve's order until a column head is clicked.
struct ResultListSort {
  ResultColumn column = ResultColumn::kNumber;
  bool descending = false;
};

// After a click on the head of `column`: that column smallest first, or
// the other way round when the list was already sorted by it.
ResultListSort ClickColumnHead(const ResultListSort& sort, ResultColumn column);

}  // namespace corvanta

#endif
