// One found result on the main page, evaluated afresh from its eight tooth
// counts and the fields as they stand (results/result_texts.h).
#ifndef CORVANTA_WINDOW_MODEL_RESULT_DISPLAY_H
#define CORVANTA_WINDOW_MODEL_RESULT_DISPLAY_H

#include <cstddef>
#include <optional>
#include <vector>

#include "results/result_texts.h"
#include "search/search_method.h"
#include "search/solve_result.h"
#include "window_model/control_access.h"
#include "window_model/solve_session.h"

namespace corvanta {

// Every text of `result` for the job on the page, its C by the bisection of
// the search `method` that found it; nullopt when the page holds no job the
// numbers can be computed for.
std::optional<ResultTexts> EvaluateShownResult(const ControlAccess& controls,
                                               const SolveResult& result, SearchMethod method);

// Shows results[i] (i counted from 0), found by `method`, and ends the
// locked state of the interface that a Solve began: the menu bar is greyed
// while it computes, then the inputs, the result controls, "Print ..." and
// the menu bar are enabled and shown ("&Solve" is left as it is). With no results, or an i
// beyond them, or a page whose job cannot be evaluated, no text is written
// and only the interface is restored.
void ShowResult(ControlAccess& controls, const std::vector<SolveResult>& results, std::size_t i,
                SearchMethod method);

// Result navigation: ShowResult of session.results[i] by session.method,
// refused (false) while a Solve runs on `session`, whose results are still
// to come.
bool ShowSearchResult(ControlAccess& controls, const SolveSession& session, std::size_t i);

// The result the result selector points at (its position counts from 1),
// counted from 0; nullopt when there is no such result among `resultCount`.
std::optional<std::size_t> SelectedResultIndex(const ControlAccess& controls,
                                               std::size_t resultCount);

}  // namespace corvanta

#endif
