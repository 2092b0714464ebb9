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

// Every page but the main one is one set of controls, shown alone.
const std::vector<ControlId>* ControlsOfPage(int page) {
  switch (page) {
    case kChangeGearsPage: return &GearStockControls();
    case kResultsPage: return &ResultListControls();
    case kGearAdvicePage: return &AdviceControls();
    default: return nullptr;
  }
}

void HideOtherPages(ControlAccess& controls, int page) {
  for (const int other : {kChangeGearsPage, kResultsPage, kGearAdvicePage})
    if (other != page) ShowAll(controls, *ControlsOfPage(other), false);
}

void ShowMainPage(ControlAccess& controls) {
  HideOtherPages(controls, kMainPage);
  ShowAll(controls, MainPageControls(), true);
  if (!controls.ResultOnDisplay()) {
    ValidateInputs(controls);
    return;
  }
  ShowAll(controls, ResultControls(), true);
  InvalidateFractionBars(controls, true);
}

void ShowOtherPage(ControlAccess& controls, int page) {
  HideOtherPages(controls, page);
  ShowAll(controls, *ControlsOfPage(page), true);
  ShowAll(controls, MainPageControls(), false);
  ShowAll(controls, ResultControls(), false);
  InvalidateFractionBars(controls, true);
  // "Advise" is for a complete job, whatever a Solve left "&Solve" at.
  if (page == kGearAdvicePage)
    controls.Enable(IDC_ADVISE_BUTTON, !FindInputProblem(controls).has_value());
}

}  // namespace

void ShowPage(ControlAccess& controls, int page) {
  if (page == kMainPage) ShowMainPage(controls);
  if (ControlsOfPage(page) != nullptr) ShowOtherPage(controls, page);
}

int PageOnDisplay(const ControlAccess& controls) {
  for (const int page : {kChangeGearsPage, kResultsPage, kGearAdvicePage})
    if (controls.IsVisible(ControlsOfPage(page)->front())) return page;
  return kMainPage;
}

void PageCommand(ControlAccess& controls, int page) {
  ShowPage(controls, page);
  controls.EnableMenuCommand(IDM_MAIN_PAGE, page != kMainPage);
  controls.EnableMenuCommand(IDM_CHANGE_GEARS_PAGE, page != kChangeGearsPage);
  controls.EnableMenuCommand(IDM_GEAR_ADVICE_PAGE, page != kGearAdvicePage);
  UpdateResultsPageItem(controls);
  controls.RedrawMenuBar();
}

void UpdateResultsPageItem(ControlAccess& controls) {
  controls.EnableMenuCommand(IDM_RESULTS_PAGE,
                             controls.ResultOnDisplay() && PageOnDisplay(controls) != kResultsPage);
}

void UpdateSaveSettingsItem(ControlAccess& controls) {
  const bool bothConstants = !controls.GetText(IDC_INDEX_CONST, kOneCharacterRead).empty() &&
                             !controls.GetText(IDC_FEED_CONST, kOneCharacterRead).empty();
  controls.EnableMenuCommand(IDM_SAVE_SETTINGS, bothConstants);
}

}  // namespace corvanta
