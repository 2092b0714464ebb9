#include "window_model/pages.h"

#include "resources/resource.h"
#include "window_model/fraction_bars.h"
#include "window_model/validate_inputs.h"

namespace corvanta {
namespace {

// Any text at all in the "C: " line means a result is shown, so a read of
// one character is enough.
constexpr std::size_t kOneCharacterRead = 2;

std::vector<ControlId> Range(ControlId first, ControlId last) {
  std::vector<ControlId> ids;
  for (ControlId id = first; id <= last; ++id) ids.push_back(id);
  return ids;
}

std::vector<ControlId> Joined(std::initializer_list<std::vector<ControlId>> parts) {
  std::vector<ControlId> ids;
  for (const std::vector<ControlId>& part : parts) ids.insert(ids.end(), part.begin(), part.end());
  return ids;
}

void ShowAll(ControlAccess& controls, const std::vector<ControlId>& ids, bool visible) {
  for (ControlId id : ids) controls.Show(id, visible);
}

void ShowMainPage(ControlAccess& controls) {
  ShowAll(controls, GearStockControls(), false);
  ShowAll(controls, MainPageControls(), true);
  if (!ResultOnDisplay(controls)) {
    ValidateInputs(controls);
    return;
  }
  ShowAll(controls, ResultControls(), true);
  InvalidateFractionBars(controls);
}

void ShowChangeGearsPage(ControlAccess& controls) {
  ShowAll(controls, GearStockControls(), true);
  ShowAll(controls, MainPageControls(), false);
  ShowAll(controls, ResultControls(), false);
  InvalidateFractionBars(controls);
}

}  // namespace

const std::vector<ControlId>& MainPageControls() {
  static const std::vector<ControlId> ids = Joined({
      {IDC_SOLVE_BUTTON, IDC_EXIT_BUTTON, IDC_HOB_THREADS_SPINNER},
      Range(IDC_INDEX_CONST, IDC_FEED_RATE),
      {IDC_INDEX_CONST_LABEL, IDC_HOB_THREADS_LABEL, IDC_HOB_THREADS, IDC_PITCH_DIAMETER_LINE,
       IDC_OUTSIDE_DIAMETER_LINE, IDC_C_LINE, IDC_WHOLE_C_ONLY, IDC_FEED_RATE_LABEL,
       IDC_HELIX_ANGLE_LABEL, IDC_FEED_CONST_LABEL, IDC_NUMBER_OF_TEETH_LABEL,
       IDC_NORMAL_DIAMETRAL_PITCH_LABEL},
      Range(IDC_HOB_HEAD, IDC_INTERMEDIATE_STUDS_HEAD),
  });
  return ids;
}

const std::vector<ControlId>& ResultControls() {
  static const std::vector<ControlId> ids = Joined({
      {IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION, IDC_RESULT_CAPTION, IDC_FEED_CAPTION},
      Range(IDC_INDEX_UPPER_LEFT, IDC_INDEX_LOWER_RIGHT),
      {IDC_INDEX_ERROR_LINE, IDC_FEED_ERROR_LINE, IDC_ACTUAL_FEED_TEXT, IDC_LEAD_LINE},
      Range(IDC_FEED_UPPER_LEFT, IDC_FEED_LOWER_RIGHT),
  });
  return ids;
}

const std::vector<ControlId>& GearStockControls() {
  static const std::vector<ControlId> ids = [] {
    std::vector<ControlId> cells;
    for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
      cells.push_back(IDC_GEAR_STOCK_CELL_FIRST + k);
      cells.push_back(IDC_GEAR_STOCK_SPINNER_FIRST + k);
      cells.push_back(IDC_GEAR_STOCK_CAPTION_FIRST + k);
    }
    return cells;
  }();
  return ids;
}

bool ResultOnDisplay(const ControlAccess& controls) {
  return !controls.GetText(IDC_C_LINE, kOneCharacterRead).empty();
}

void ShowPage(ControlAccess& controls, int page) {
  if (page == kMainPage) ShowMainPage(controls);
  if (page == kChangeGearsPage) ShowChangeGearsPage(controls);
}

void PageCommand(ControlAccess& controls, int page) {
  ShowPage(controls, page);
  controls.EnableMenuCommand(IDM_MAIN_PAGE, page != kMainPage);
  controls.EnableMenuCommand(IDM_CHANGE_GEARS_PAGE, page != kChangeGearsPage);
  controls.RedrawMenuBar();
}

void UpdateSaveSettingsItem(ControlAccess& controls) {
  const bool bothConstants = !controls.GetText(IDC_INDEX_CONST, kOneCharacterRead).empty() &&
                             !controls.GetText(IDC_FEED_CONST, kOneCharacterRead).empty();
  controls.EnableMenuCommand(IDM_SAVE_SETTINGS, bothConstants);
}

}  // namespace corvanta
