// The results page: every result of the Solve as one list, made from the
// fields as they stand, as the main page shows each result; the order a
// click on a column head puts it in; and the list out to the clipboard
// and to a spreadsheet.
#ifndef CORVANTA_WINDOW_MODEL_RESULT_LIST_H
#define CORVANTA_WINDOW_MODEL_RESULT_LIST_H

#include <cstddef>
#include <optional>
#include <string>
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

// After a click on the head of `column`: that column smallest first, or
// the other way round when the list was already sorted by it.
ListSort ClickColumnHead(const ListSort& sort, int column);

// "Results Page ...": the list filled in the session's order, then the
// page shown. Nothing happens without a result on display.
void ResultsPageCommand(ControlAccess& controls, SolveSession& session);

// A click on the head of `column`: the list sorted again.
void SortResultList(ControlAccess& controls, SolveSession& session, ResultColumn column);

// Enter or a double-click on row `row` of the list as it stands: that
// result on the main page, as stepping to it with the selector shows it,
// and the main page on display. False when the row holds no result.
bool ShowListedResult(ControlAccess& controls, SolveSession& session, int row);

// "Copy": the list as it is sorted, as tab-separated text with its heads;
// "Save Results As ...": every result as CSV in the Solve's order. nullopt
// when there is no list to give.
std::optional<std::string> ResultListCopyText(const ControlAccess& controls,
                                              const SolveSession& session);
std::optional<std::string> ResultListCsv(const ControlAccess& controls,
                                         const SolveSession& session);

}  // namespace corvanta

#endif
