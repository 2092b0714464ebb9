// The gear-advice page: "Advise" searches the stock of the change-gears
// page with every gear it lacks added (and, with "Pairs too", every two of
// them), for the job on the main page, and lists what each stock gives;
// the list sorts by a click on a column head and goes to the clipboard.
#ifndef CORVANTA_WINDOW_MODEL_ADVICE_PAGE_H
#define CORVANTA_WINDOW_MODEL_ADVICE_PAGE_H

#include <optional>
#include <string>

#include "advice/advice_rows.h"
#include "advice/gear_advice.h"
#include "search/solve_platform.h"
#include "window_model/control_access.h"
#include "window_model/solve_session.h"

namespace corvanta {

// "Advise": the window locked as for a Solve, the advice run on every
// processor with its progress on the page's status line (Escape stops it,
// keeping the rows done), the rows listed in the session's order, the
// window unlocked. Refused as a whole while a Solve or another advice runs
// and for a job the validation refuses.
AdviceOutcome AdviseCommand(ControlAccess& controls, SolvePlatform& platform,
                            SolveSession& session);

// A click on the head of `column`: the list sorted again.
void SortAdviceList(ControlAccess& controls, SolveSession& session, AdviceColumn column);

// "Copy": the list as it is sorted, as tab-separated text with its heads;
// nullopt while there is none.
std::optional<std::string> AdviceCopyText(const SolveSession& session);

// The advice dropped, its list and status line emptied: the job or the
// stock has changed. Left alone while a search runs.
void ClearAdvice(ControlAccess& controls, SolveSession& session);

}  // namespace corvanta

#endif
