#include "window_model/control_roles.h"

#include "resources/resource.h"
#include "settings/gear_stock_text.h"

namespace corvanta {

// One gear-stock cell per change gear of the settings' gear stock.
static_assert(GEAR_STOCK_CELL_COUNT == kGearStockCellCount);
static_assert(GEAR_STOCK_FIRST_TOOTH_COUNT == kFirstStockToothCount);

namespace {

// Locked while a search runs, usable again after it and with a result: the
// inputs, their labels and heads, "E&xit".
constexpr unsigned kJob = kLockedBySolve | kUnlockedAfterSolve | kEnabledWithResult;
// The gear-train cells of a result.
constexpr unsigned kTrainCell = kResultText | kShownWithResult;
// The captions and the selector around a result.
constexpr unsigned kFrame = kResultFrame | kShownWithResult;

std::vector<ControlRole> MakeRoles() {
  constexpr Page kMain = Page::kMain, kResult = Page::kResult;
  constexpr ControlFont kFont = ControlFont::kMain, kNarrow = ControlFont::kNarrow;
  std::vector<ControlRole> roles = {
      {IDC_SOLVE_BUTTON, kMain, kLockedBySolve, kFont},
      {IDC_EXIT_BUTTON, kMain, kJob, kFont},
      {IDC_RESULT_SELECTOR, kResult, kFrame | kLockedBySolve | kEnabledWithResult, kFont},
      {IDC_HOB_THREADS_SPINNER, kMain, kJob, kFont},
      {IDC_INDEX_CAPTION, kResult, kFrame, kFont},
      {IDC_RESULT_CAPTION, kResult, kFrame, kFont},
      {IDC_FEED_CAPTION, kResult, kFrame, kFont},
      {IDC_INDEX_CONST, kMain, kJob, kFont},
      {IDC_FEED_CONST, kMain, kJob, kFont},
      {IDC_NUMBER_OF_TEETH, kMain, kJob, kFont},
      {IDC_HELIX_ANGLE, kMain, kJob, kFont},
      {IDC_HAND_CUT_CHOOSER, kMain, kJob, kFont},
      {IDC_NORMAL_DIAMETRAL_PITCH, kMain, kJob, kFont},
      {IDC_FEED_RATE, kMain, kJob, kFont},
      {IDC_INDEX_CONST_LABEL, kMain, kJob, kFont},
      {IDC_HOB_THREADS_LABEL, kMain, kJob, kFont},
      {IDC_HOB_THREADS, kMain, kJob, kFont},
      {IDC_INDEX_UPPER_LEFT, kResult, kTrainCell, kFont},
      {IDC_INDEX_LOWER_LEFT, kResult, kTrainCell, kFont},
      {IDC_INDEX_UPPER_RIGHT, kResult, kTrainCell, kFont},
      {IDC_INDEX_LOWER_RIGHT, kResult, kTrainCell, kFont},
      {IDC_INDEX_ERROR_LINE, kResult, kJob | kResultText | kShownWithResult, kFont},
      {IDC_PITCH_DIAMETER_LINE, kMain, kJob | kShownWithResult, kFont},
      {IDC_OUTSIDE_DIAMETER_LINE, kMain, kJob | kShownWithResult, kFont},
      // The "C: " line is the status line during a search: never locked.
      {IDC_C_LINE, kMain, kResultText | kEnabledWithResult | kShownWithResult, kFont},
      {IDC_FEED_ERROR_LINE, kResult, kJob | kResultText | kShownWithResult, kFont},
      {IDC_ACTUAL_FEED_TEXT, kResult, kJob | kResultText | kShownWithResult, kFont},
      {IDC_LEAD_LINE, kResult, kJob | kResultText | kShownWithResult, kFont},
      {IDC_WHOLE_C_ONLY, kMain, kJob, kFont},
      {IDC_FEED_RATE_LABEL, kMain, kJob, kFont},
      {IDC_HELIX_ANGLE_LABEL, kMain, kJob, kFont},
      {IDC_FEED_CONST_LABEL, kMain, kJob, kFont},
      // The two long labels that must fit their space.
      {IDC_NUMBER_OF_TEETH_LABEL, kMain, kJob, kNarrow},
      {IDC_NORMAL_DIAMETRAL_PITCH_LABEL, kMain, kJob, kNarrow},
      {IDC_FEED_UPPER_LEFT, kResult, kTrainCell, kFont},
      {IDC_FEED_LOWER_LEFT, kResult, kTrainCell, kFont},
      {IDC_FEED_UPPER_RIGHT, kResult, kTrainCell, kFont},
      {IDC_FEED_LOWER_RIGHT, kResult, kTrainCell, kFont},
      {IDC_HOB_HEAD, kMain, kJob, kFont},
      {IDC_GEAR_HEAD, kMain, kJob, kFont},
      {IDC_TYPE_OF_CUT_HEAD, kMain, kJob, kFont},
      {IDC_SIGN_HEAD, kMain, kJob, kFont},
      {IDC_WORK_HEAD, kMain, kJob, kFont},
      {IDC_INDEX_STUDS_HEAD, kMain, kJob, kFont},
      {IDC_FEED_STUDS_HEAD, kMain, kJob, kFont},
      {IDC_INTERMEDIATE_STUDS_HEAD, kMain, kJob, kFont},
      // The lists' many columns of long numbers.
      {IDC_RESULT_LIST, Page::kList, kLockedBySolve | kUnlockedAfterSolve, kNarrow},
      {IDC_RESULT_LIST_COPY, Page::kList, kLockedBySolve | kUnlockedAfterSolve, kFont},
      {IDC_ADVICE_LIST, Page::kAdvice, kLockedBySolve | kUnlockedAfterSolve, kNarrow},
      // Offered for a complete job only, as "&Solve" is.
      {IDC_ADVISE_BUTTON, Page::kAdvice, kLockedBySolve, kFont},
      {IDC_PAIRS_TOO, Page::kAdvice, kLockedBySolve | kUnlockedAfterSolve, kFont},
      {IDC_ADVICE_COPY, Page::kAdvice, kLockedBySolve | kUnlockedAfterSolve, kFont},
      // The advice's progress line: never locked.
      {IDC_ADVICE_STATUS, Page::kAdvice, 0, kFont},
  };
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    roles.push_back({IDC_GEAR_STOCK_CELL_FIRST + k, Page::kStock, 0, kFont});
    roles.push_back({IDC_GEAR_STOCK_SPINNER_FIRST + k, Page::kStock, 0, ControlFont::kNone});
    roles.push_back({IDC_GEAR_STOCK_CAPTION_FIRST + k, Page::kStock, 0, kFont});
  }
  return roles;
}

template <typename Predicate>
std::vector<ControlId> Select(Predicate wanted) {
  std::vector<ControlId> ids;
  for (const ControlRole& role : ControlRoles())
    if (wanted(role)) ids.push_back(role.id);
  return ids;
}

std::vector<ControlId> WithFlag(unsigned flag) {
  return Select([flag](const ControlRole& role) { return (role.flags & flag) != 0; });
}

std::vector<ControlId> OnPage(Page page) {
  return Select([page](const ControlRole& role) { return role.page == page; });
}

}  // namespace

const std::vector<ControlRole>& ControlRoles() {
  static const std::vector<ControlRole> roles = MakeRoles();
  return roles;
}

const std::vector<ControlId>& ControlLockSet() {
  static const std::vector<ControlId> ids = WithFlag(kLockedBySolve);
  return ids;
}

const std::vector<ControlId>& UnlockedAfterSolve() {
  static const std::vector<ControlId> ids = WithFlag(kUnlockedAfterSolve);
  return ids;
}

const std::vector<ControlId>& MainPageControls() {
  static const std::vector<ControlId> ids = OnPage(Page::kMain);
  return ids;
}

const std::vector<ControlId>& ResultControls() {
  static const std::vector<ControlId> ids = OnPage(Page::kResult);
  return ids;
}

const std::vector<ControlId>& GearStockControls() {
  static const std::vector<ControlId> ids = OnPage(Page::kStock);
  return ids;
}

const std::vector<ControlId>& ResultListControls() {
  static const std::vector<ControlId> ids = OnPage(Page::kList);
  return ids;
}

const std::vector<ControlId>& AdviceControls() {
  static const std::vector<ControlId> ids = OnPage(Page::kAdvice);
  return ids;
}

const std::vector<ControlId>& EnabledWithResult() {
  static const std::vector<ControlId> ids = WithFlag(kEnabledWithResult);
  return ids;
}

const std::vector<ControlId>& ShownWithResult() {
  static const std::vector<ControlId> ids = WithFlag(kShownWithResult);
  return ids;
}

const std::vector<ControlId>& ResultTextControls() {
  static const std::vector<ControlId> ids = WithFlag(kResultText);
  return ids;
}

const std::vector<ControlId>& ResultFrameControls() {
  static const std::vector<ControlId> ids = WithFlag(kResultFrame);
  return ids;
}

ControlFont FontOf(ControlId id) {
  for (const ControlRole& role : ControlRoles())
    if (role.id == id) return role.font;
  return ControlFont::kNone;
}

}  // namespace corvanta
