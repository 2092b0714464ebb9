#include "window_model/control_roles.h"

#include <initializer_list>
#include <utility>

#include "resources/resource.h"

namespace corvanta {

namespace {

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

}  // namespace

const std::vector<ControlId>& ControlLockSet() {
  static const std::vector<ControlId> ids = Joined({
      {IDC_SOLVE_BUTTON, IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR, IDC_HOB_THREADS_SPINNER},
      Range(IDC_INDEX_CONST, IDC_FEED_RATE),
      {IDC_INDEX_CONST_LABEL, IDC_HOB_THREADS_LABEL, IDC_HOB_THREADS, IDC_INDEX_ERROR_LINE,
       IDC_PITCH_DIAMETER_LINE, IDC_OUTSIDE_DIAMETER_LINE, IDC_FEED_ERROR_LINE,
       IDC_ACTUAL_FEED_TEXT, IDC_LEAD_LINE, IDC_WHOLE_C_ONLY, IDC_FEED_RATE_LABEL,
       IDC_HELIX_ANGLE_LABEL, IDC_FEED_CONST_LABEL, IDC_NUMBER_OF_TEETH_LABEL,
       IDC_NORMAL_DIAMETRAL_PITCH_LABEL},
      Range(IDC_HOB_HEAD, IDC_INTERMEDIATE_STUDS_HEAD),
  });
  return ids;
}

const std::vector<ControlId>& UnlockedAfterSolve() {
  static const std::vector<ControlId> ids = [] {
    std::vector<ControlId> unlocked;
    for (ControlId id : ControlLockSet())
      if (id != IDC_SOLVE_BUTTON && id != IDC_RESULT_SELECTOR) unlocked.push_back(id);
    return unlocked;
  }();
  return ids;
}

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

const std::vector<ControlId>& EnabledWithResult() {
  static const std::vector<ControlId> ids = {
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
  return ids;
}

const std::vector<ControlId>& ShownWithResult() {
  static const std::vector<ControlId> ids = {IDC_RESULT_SELECTOR,
                                             IDC_INDEX_CAPTION,
                                             IDC_RESULT_CAPTION,
                                             IDC_FEED_CAPTION,
                                             IDC_INDEX_UPPER_LEFT,
                                             IDC_INDEX_UPPER_RIGHT,
                                             IDC_INDEX_LOWER_LEFT,
                                             IDC_INDEX_LOWER_RIGHT,
                                             IDC_FEED_UPPER_LEFT,
                                             IDC_FEED_UPPER_RIGHT,
                                             IDC_FEED_LOWER_LEFT,
                                             IDC_FEED_LOWER_RIGHT,
                                             IDC_C_LINE,
                                             IDC_LEAD_LINE,
                                             IDC_INDEX_ERROR_LINE,
                                             IDC_FEED_ERROR_LINE,
                                             IDC_ACTUAL_FEED_TEXT,
                                             IDC_PITCH_DIAMETER_LINE,
                                             IDC_OUTSIDE_DIAMETER_LINE};
  return ids;
}

const std::vector<ControlId>& ResultTextControls() {
  static const std::vector<ControlId> ids = {
      IDC_INDEX_UPPER_LEFT, IDC_INDEX_LOWER_LEFT, IDC_INDEX_UPPER_RIGHT, IDC_INDEX_LOWER_RIGHT,
      IDC_INDEX_ERROR_LINE, IDC_C_LINE,           IDC_FEED_ERROR_LINE,   IDC_ACTUAL_FEED_TEXT,
      IDC_LEAD_LINE,        IDC_FEED_UPPER_LEFT,  IDC_FEED_LOWER_LEFT,   IDC_FEED_UPPER_RIGHT,
      IDC_FEED_LOWER_RIGHT,
  };
  return ids;
}

const std::vector<ControlId>& ResultFrameControls() {
  static const std::vector<ControlId> ids = {IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION,
                                             IDC_RESULT_CAPTION, IDC_FEED_CAPTION};
  return ids;
}

ControlFont FontOf(ControlId id) {
  if (id == IDC_NUMBER_OF_TEETH_LABEL || id == IDC_NORMAL_DIAMETRAL_PITCH_LABEL)
    return ControlFont::kNarrow;
  // The main font's runs of identifiers, 3021 and 3022 in between excepted.
  const std::pair<ControlId, ControlId> mainRuns[] = {
      {1001, 1022}, {2001, 2007}, {3000, 3020}, {3023, 3035}};
  for (const auto& [first, last] : mainRuns)
    if (id >= first && id <= last) return ControlFont::kMain;
  // The gear-stock cells and captions get the main font as they are made.
  for (ControlId first : {IDC_GEAR_STOCK_CELL_FIRST, IDC_GEAR_STOCK_CAPTION_FIRST})
    if (id >= first && id < first + GEAR_STOCK_CELL_COUNT) return ControlFont::kMain;
  return ControlFont::kNone;
}

}  // namespace corvanta
