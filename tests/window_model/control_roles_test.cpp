// The lists of controls the window's rules work through, against the lists
// the window was first written with. The order counts where the rules'
// effects show it; the controls a result enables and shows are sets.
#include "window_model/control_roles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "resources/resource.h"

namespace corvanta {
namespace {

// Runs of identifiers, each given by its first and last.
std::vector<ControlId> Runs(std::initializer_list<ControlId> bounds) {
  std::vector<ControlId> ids;
  for (const ControlId* run = bounds.begin(); run != bounds.end(); run += 2)
    for (ControlId id = run[0]; id <= run[1]; ++id) ids.push_back(id);
  return ids;
}

std::vector<ControlId> Sorted(std::vector<ControlId> ids) {
  std::sort(ids.begin(), ids.end());
  return ids;
}

TEST(ControlRoles, EveryListIsTheWindowsOwn) {
  const std::vector<ControlId> lockSet = Runs(
      {IDC_SOLVE_BUTTON, IDC_RESULT_SELECTOR, IDC_HOB_THREADS_SPINNER, IDC_HOB_THREADS_SPINNER,
       IDC_INDEX_CONST, IDC_FEED_RATE, IDC_INDEX_CONST_LABEL, IDC_HOB_THREADS, IDC_INDEX_ERROR_LINE,
       IDC_OUTSIDE_DIAMETER_LINE, IDC_FEED_ERROR_LINE, IDC_HELIX_ANGLE_LABEL, IDC_FEED_CONST_LABEL,
       IDC_FEED_CONST_LABEL, IDC_NUMBER_OF_TEETH_LABEL, IDC_NORMAL_DIAMETRAL_PITCH_LABEL,
       IDC_HOB_HEAD, IDC_INTERMEDIATE_STUDS_HEAD});
  EXPECT_EQ(ControlLockSet(), lockSet);
  std::vector<ControlId> unlocked = lockSet;
  for (ControlId stays : {IDC_SOLVE_BUTTON, IDC_RESULT_SELECTOR})
    unlocked.erase(std::find(unlocked.begin(), unlocked.end(), stays));
  EXPECT_EQ(UnlockedAfterSolve(), unlocked);
  EXPECT_EQ(
      MainPageControls(),
      Runs({IDC_SOLVE_BUTTON, IDC_EXIT_BUTTON, IDC_HOB_THREADS_SPINNER, IDC_HOB_THREADS_SPINNER,
            IDC_INDEX_CONST, IDC_FEED_RATE, IDC_INDEX_CONST_LABEL, IDC_HOB_THREADS,
            IDC_PITCH_DIAMETER_LINE, IDC_C_LINE, IDC_WHOLE_C_ONLY, IDC_HELIX_ANGLE_LABEL,
            IDC_FEED_CONST_LABEL, IDC_FEED_CONST_LABEL, IDC_NUMBER_OF_TEETH_LABEL,
            IDC_NORMAL_DIAMETRAL_PITCH_LABEL, IDC_HOB_HEAD, IDC_INTERMEDIATE_STUDS_HEAD}));
  EXPECT_EQ(ResultControls(),
            Runs({IDC_RESULT_SELECTOR, IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION, IDC_INDEX_CAPTION,
                  IDC_RESULT_CAPTION, IDC_FEED_CAPTION, IDC_INDEX_UPPER_LEFT, IDC_INDEX_LOWER_RIGHT,
                  IDC_INDEX_ERROR_LINE, IDC_INDEX_ERROR_LINE, IDC_FEED_ERROR_LINE, IDC_LEAD_LINE,
                  IDC_FEED_UPPER_LEFT, IDC_FEED_LOWER_RIGHT}));
  EXPECT_EQ(ResultFrameControls(),
            Runs({IDC_RESULT_SELECTOR, IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION, IDC_INDEX_CAPTION,
                  IDC_RESULT_CAPTION, IDC_FEED_CAPTION}));
  EXPECT_EQ(ResultTextControls(), Runs({IDC_INDEX_UPPER_LEFT, IDC_INDEX_LOWER_RIGHT,
                                        IDC_INDEX_ERROR_LINE, IDC_INDEX_ERROR_LINE, IDC_C_LINE,
                                        IDC_LEAD_LINE, IDC_FEED_UPPER_LEFT, IDC_FEED_LOWER_RIGHT}));
  EXPECT_EQ(Sorted(EnabledWithResult()),
            Runs({IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR, IDC_HOB_THREADS_SPINNER,
                  IDC_HOB_THREADS_SPINNER, IDC_INDEX_CONST, IDC_FEED_RATE, IDC_INDEX_CONST_LABEL,
                  IDC_HOB_THREADS, IDC_INDEX_ERROR_LINE, IDC_HELIX_ANGLE_LABEL,
                  IDC_FEED_CONST_LABEL, IDC_FEED_CONST_LABEL, IDC_NUMBER_OF_TEETH_LABEL,
                  IDC_NORMAL_DIAMETRAL_PITCH_LABEL, IDC_HOB_HEAD, IDC_INTERMEDIATE_STUDS_HEAD}));
  EXPECT_EQ(Sorted(ShownWithResult()),
            Runs({IDC_RESULT_SELECTOR, IDC_RESULT_SELECTOR, IDC_INDEX_CAPTION, IDC_INDEX_CAPTION,
                  IDC_RESULT_CAPTION, IDC_FEED_CAPTION, IDC_INDEX_UPPER_LEFT, IDC_INDEX_LOWER_RIGHT,
                  IDC_INDEX_ERROR_LINE, IDC_LEAD_LINE, IDC_FEED_UPPER_LEFT, IDC_FEED_LOWER_RIGHT}));

  // Cell by cell: value, spinner, caption. The main font everywhere but on
  // the two long labels and the spinners.
  ASSERT_EQ(GearStockControls().size(), 3u * GEAR_STOCK_CELL_COUNT);
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    const ControlId* cell = &GearStockControls()[3 * static_cast<std::size_t>(k)];
    EXPECT_EQ(Runs({cell[0], cell[0], cell[1], cell[1], cell[2], cell[2]}),
              Runs({IDC_GEAR_STOCK_CELL_FIRST + k, IDC_GEAR_STOCK_CELL_FIRST + k,
                    IDC_GEAR_STOCK_SPINNER_FIRST + k, IDC_GEAR_STOCK_SPINNER_FIRST + k,
                    IDC_GEAR_STOCK_CAPTION_FIRST + k, IDC_GEAR_STOCK_CAPTION_FIRST + k}));
    EXPECT_EQ(FontOf(cell[1]), ControlFont::kNone);
    EXPECT_EQ(std::pair(FontOf(cell[0]), FontOf(cell[2])),
              std::pair(ControlFont::kMain, ControlFont::kMain));
  }
  for (const auto* page : {&MainPageControls(), &ResultControls()}) {
    for (ControlId id : *page) {
      const bool narrow = id == IDC_NUMBER_OF_TEETH_LABEL || id == IDC_NORMAL_DIAMETRAL_PITCH_LABEL;
      EXPECT_EQ(FontOf(id), narrow ? ControlFont::kNarrow : ControlFont::kMain) << id;
    }
  }
}

}  // namespace
}  // namespace corvanta
