#include "window_model/result_display.h"

#include "resources/resource.h"
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

// What a shown result makes usable again once a Solve has locked it.
constexpr ControlId kEnabledWithResult[] = {
    IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR, IDC_HOB_THREADS_SPINNER,
    // The seven inputs, their labels, the hob threads and the whole-C box.
    IDC_INDEX_CONST, IDC_FEED_CONST, IDC_NUMBER_OF_TEETH, IDC_HELIX_ANGLE, IDC_HAND_CUT_CHOOSER,
    IDC_NORMAL_DIAMETRAL_PITCH, IDC_FEED_RATE, IDC_INDEX_CONST_LABEL, IDC_FEED_CONST_LABEL,
    IDC_NUMBER_OF_TEETH_LABEL, IDC_HELIX_ANGLE_LABEL, IDC_NORMAL_DIAMETRAL_PITCH_LABEL,
    IDC_FEED_RATE_LABEL, IDC_HOB_THREADS_LABEL, IDC_HOB_THREADS, IDC_WHOLE_C_ONLY,
    // The heads of the hand/cut table.
    IDC_HOB_HEAD, IDC_GEAR_HEAD, IDC_TYPE_OF_CUT_HEAD, IDC_SIGN_HEAD, IDC_WORK_HEAD,
    IDC_INDEX_STUDS_HEAD, IDC_FEED_STUDS_HEAD, IDC_INTERMEDIATE_STUDS_HEAD,
    // The result and geometry lines.
    IDC_C_LINE, IDC_INDEX_ERROR_LINE, IDC_FEED_ERROR_LINE, IDC_ACTUAL_FEED_TEXT, IDC_LEAD_LINE,
    IDC_PITCH_DIAMETER_LINE, IDC_OUTSIDE_DIAMETER_LINE};

constexpr ControlId kShownWithResult[] = {
    IDC_RESULT_SELECTOR,  IDC_INDEX_CAPTION,       IDC_RESULT_CAPTION,       IDC_FEED_CAPTION,
    IDC_INDEX_UPPER_LEFT, IDC_INDEX_UPPER_RIGHT,   IDC_INDEX_LOWER_LEFT,     IDC_INDEX_LOWER_RIGHT,
    IDC_FEED_UPPER_LEFT,  IDC_FEED_UPPER_RIGHT,    IDC_FEED_LOWER_LEFT,      IDC_FEED_LOWER_RIGHT,
    IDC_C_LINE,           IDC_LEAD_LINE,           IDC_INDEX_ERROR_LINE,     IDC_FEED_ERROR_LINE,
    IDC_ACTUAL_FEED_TEXT, IDC_PITCH_DIAMETER_LINE, IDC_OUTSIDE_DIAMETER_LINE};

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
                                               const SolveResult& result) {
  const std::optional<DisplayInputs> inputs = ReadDisplayInputs(controls);
  if (!inputs) return std::nullopt;
  // The terms the search read, whole texts and all: the C shown is the C the
  // train was found for.
  const std::optional<IndexTerms> terms = ReadIndexTerms(controls);
  if (!terms) return std::nullopt;
  return EvaluateResult(*inputs, *terms, result);
}

void ShowResult(ControlAccess& controls, const std::vector<SolveResult>& results, std::size_t i) {
  EnableMenuBar(controls, false);
  if (i < results.size()) {
    if (const auto texts = EvaluateShownResult(controls, results[i])) WriteTexts(controls, *texts);
  }
  for (const ControlId id : kEnabledWithResult) controls.Enable(id, true);
  for (const ControlId id : kShownWithResult) controls.Show(id, true);
  controls.EnableMenuCommand(IDM_PRINT, true);
  EnableMenuBar(controls, true);
  InvalidateFractionBars(controls);
}

bool ShowSearchResult(ControlAccess& controls, const SearchState& state, std::size_t i) {
  if (SolveRunning(state)) return false;
  ShowResult(controls, state.results, i);
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
