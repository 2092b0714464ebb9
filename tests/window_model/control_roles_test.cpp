// The lists of controls the window's rules work through, against the lists
// the window was first written with. The order counts where the rules'
// effects show it; the controls a result enables and shows are sets.
#include "window_model/control_roles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <tuple>

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

// Identifiers as resources/resource.h numbers them: 1001 "&Solve", 1002
// "E&xit", 1003 the result selector, 1011 the hob threads' spinner, 1012 to
// 1021 the result's captions, 2001 to 2007 the inputs, 3000 to 3035 the
// labels, train cells, display lines and heads.
TEST(ControlRoles, EveryListIsTheWindowsOwn) {
  const std::vector<ControlId> lockSet =
      Runs({1001, 1003, 1011, 1011, 2001, 2007, 3000, 3002, 3008, 3010, 3012, 3017, 3019, 3019,
            3021, 3022, 3028, 3035});
  EXPECT_EQ(ControlLockSet(), lockSet);
  std::vector<ControlId> unlocked = lockSet;
  for (ControlId stays : {IDC_SOLVE_BUTTON, IDC_RESULT_SELECTOR})
    unlocked.erase(std::find(unlocked.begin(), unlocked.end(), stays));
  EXPECT_EQ(UnlockedAfterSolve(), unlocked);
  EXPECT_EQ(MainPageControls(), Runs({1001, 1002, 1011, 1011, 2001, 2007, 3000, 3002, 3009, 3011,
                                      3015, 3017, 3019, 3019, 3021, 3022, 3028, 3035}));
  EXPECT_EQ(ResultControls(), Runs({1003, 1003, 1012, 1012, 1020, 1021, 3003, 3006, 3008, 3008,
                                    3012, 3014, 3024, 3027}));
  EXPECT_EQ(ResultFrameControls(), Runs({1003, 1003, 1012, 1012, 1020, 1021}));
  EXPECT_EQ(ResultTextControls(), Runs({3003, 3006, 3008, 3008, 3011, 3014, 3024, 3027}));
  EXPECT_EQ(Sorted(EnabledWithResult()), Runs({1002, 1003, 1011, 1011, 2001, 2007, 3000, 3002, 3008,
                                               3017, 3019, 3019, 3021, 3022, 3028, 3035}));
  EXPECT_EQ(Sorted(ShownWithResult()),
            Runs({1003, 1003, 1012, 1012, 1020, 1021, 3003, 3006, 3008, 3014, 3024, 3027}));

  // Cell by cell: value, spinner, caption. The main font everywhere but on
  // the spinners and the two long labels.
  ASSERT_EQ(GearStockControls().size(), 3u * GEAR_STOCK_CELL_COUNT);
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    const ControlId* cell = &GearStockControls()[3 * static_cast<std::size_t>(k)];
    EXPECT_EQ(std::tuple(cell[0], cell[1], cell[2]),
              std::tuple(IDC_GEAR_STOCK_CELL_FIRST + k, IDC_GEAR_STOCK_SPINNER_FIRST + k,
                         IDC_GEAR_STOCK_CAPTION_FIRST + k));
    EXPECT_EQ(std::tuple(FontOf(cell[0]), FontOf(cell[1]), FontOf(cell[2])),
              std::tuple(ControlFont::kMain, ControlFont::kNone, ControlFont::kMain));
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
