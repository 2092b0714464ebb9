#include "window_model/pages.h"

#include <vector>

#include "resources/resource.h"
#include "window_model/control_roles.h"
#include "window_model/fraction_bars.h"
#include "window_model/validate_inputs.h"

namespace corvanta {
namespace {

// Whether a field holds any text at all: a read of one character is enough.
constexpr std::size_t kOneCharacterRead = 2;

void ShowAll(ControlAccess& controls, const std::vector<ControlId>& ids, bool visible) {
  for (ControlId id : ids) controls.Show(id, visible);
}

void ShowMainPage(ControlAccess& controls) {
  ShowAll(controls, GearStockControls(), false);
  ShowAll(controls, MainPageControls(), true);
  if (!controls.ResultOnDisplay()) {
    ValidateInputs(controls);
    return;
  }
  ShowAll(controls, ResultControls(), true);
  InvalidateFractionBars(controls, true);
}

void ShowChangeGearsPage(ControlAccess& controls) {
  ShowAll(controls, GearStockControls(), true);
  ShowAll(controls, MainPageControls(), false);
  ShowAll(controls, ResultControls(), false);
  InvalidateFractionBars(controls, true);
}

}  // namespace

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
