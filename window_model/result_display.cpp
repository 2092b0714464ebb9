#include "window_model/result_display.h"

#include "resources/resource.h"
#include "window_model/control_roles.h"
#include "window_model/fraction_bars.h"
#include "window_model/menu_bar.h"
#include "window_model/read_job.h"

namespace corvanta {

namespace {

// The train cells in the order of ResultTexts: upper left, upper right,
// lower left, lower right.
constexpr ControlId kIndexCells[] = {IDC_INDEX_UPPER_LEFT, IDC_INDEX_UPPER_RIGHT,
                                     IDC_INDEX_LOWER_LEFT, IDC_INDEX_LOWER_RIGHT};
constexpr ControlId kFeedCells[] = {IDC_FEED_UPPER_LEFT, IDC_FEED_UPPER_RIGHT, IDC_FEED_LOWER_LEFT,
                                    IDC_FEED_LOWER_RIGHT};

void WriteTexts(ControlAccess& controls, const ResultTexts& texts) {
  for (std::size_t cell = 0; cell < 4; ++cell)
    controls.SetText(kIndexCells[cell], texts.indexCells[cell]);
  for (std::size_t cell = 0; cell < 4; ++cell)
    controls.SetText(kFeedCells[cell], texts.feedCells[cell]);
  controls.SetText(IDC_C_LINE, texts.cLine);
  controls.SetText(IDC_INDEX_ERROR_LINE, texts.indexErrorLine);
  controls.SetText(IDC_FEED_ERROR_LINE, texts.feedErrorLine);
  controls.SetText(IDC_ACTUAL_FEED_TEXT, texts.actualFeedText);
  controls.SetText(IDC_LEAD_LINE, texts.leadLine);
}

}  // namespace

std::optional<ResultTexts> EvaluateShownResult(const ControlAccess& controls,
                                               const SolveResult& result, SearchMethod method) {
  const std::optional<DisplayInputs> inputs = ReadDisplayInputs(controls);
  if (!inputs) return std::nullopt;
  // The terms the search read, whole texts and all: the C shown is the C the
  // train was found for.
  const std::optional<IndexTerms> terms = ReadIndexTerms(controls);
  if (!terms) return std::nullopt;
  return EvaluateResult(*inputs, *terms, result, method);
}

void ShowResult(ControlAccess& controls, const std::vector<SolveResult>& results, std::size_t i,
                SearchMethod method) {
  EnableMenuBar(controls, false);
  if (i < results.size()) {
    if (const auto texts = EvaluateShownResult(controls, results[i], method)) {
      WriteTexts(controls, *texts);
      controls.SetResultOnDisplay(true);
    }
  }
  for (const ControlId id : EnabledWithResult()) controls.Enable(id, true);
  for (const ControlId id : ShownWithResult()) controls.Show(id, true);
  controls.EnableMenuCommand(IDM_PRINT, true);
  controls.EnableMenuCommand(IDM_SAVE_RESULTS_AS, true);
  EnableMenuBar(controls, true);
  // The bars only ever draw over the background or over themselves here.
  InvalidateFractionBars(controls, false);
}

bool ShowSearchResult(ControlAccess& controls, const SolveSession& session, std::size_t i) {
  if (SolveRunning(session)) return false;
  ShowResult(controls, session.results, i, session.method);
  return true;
}

std::optional<std::size_t> SelectedResultIndex(const ControlAccess& controls,
                                               std::size_t resultCount) {
  const long long index =
      static_cast<long long>(controls.GetSpinnerPosition(IDC_RESULT_SELECTOR)) - 1;
  if (index < 0 || static_cast<unsigned long long>(index) >= resultCount) return std::nullopt;
  return static_cast<std::size_t>(index);
}

}  // namespace corvanta
