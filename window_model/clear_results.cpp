#include "window_model/clear_results.h"

#include "resources/resource.h"
#include "search/search_state.h"
#include "window_model/fraction_bars.h"

namespace corvanta {
namespace {

constexpr ControlId kResultTexts[] = {
    IDC_INDEX_UPPER_LEFT, IDC_INDEX_LOWER_LEFT, IDC_INDEX_UPPER_RIGHT, IDC_INDEX_LOWER_RIGHT,
    IDC_INDEX_ERROR_LINE, IDC_C_LINE,           IDC_FEED_ERROR_LINE,   IDC_ACTUAL_FEED_TEXT,
    IDC_LEAD_LINE,        IDC_FEED_UPPER_LEFT,  IDC_FEED_LOWER_LEFT,   IDC_FEED_UPPER_RIGHT,
    IDC_FEED_LOWER_RIGHT,
};

constexpr ControlId kResultFrame[] = {IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION, IDC_RESULT_CAPTION,
                                      IDC_FEED_CAPTION};

}  // namespace

void ClearResults(ControlAccess& controls, SearchState& state) {
  for (ControlId id : kResultTexts) controls.SetText(id, "");
  for (ControlId id : kResultFrame) controls.Show(id, false);
  InvalidateFractionBars(controls);
  controls.EnableMenuCommand(IDM_PRINT, false);
  // Left alone while a search runs: its workers still append to the list.
  DropSearchResults(state);
}

void ClearResults(ControlAccess& controls) { ClearResults(controls, ProgramSearchState()); }

}  // namespace corvanta
