#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "app/memory_controls.h"
#include "print/print_lock.h"
#include "print/sheet_layout.h"
#include "resources/resource.h"
#include "search/solve_driver.h"

namespace corvanta {
namespace {

// A 600 dpi printer with Letter paper and 0.25" / 0.2" margins has a
// printable area of 4800 x 6360 pixels.
TEST(SheetLayout, PrintableAreaIsThePageLessBothMargins) {
  const SheetLayout layout = LayoutFromPage(5100, 6600, 150, 120);
  EXPECT_EQ(layout.width, 4800);
  EXPECT_EQ(layout.height, 6360);
  // A driver that reports margins wider than the page gives an empty page,
  // not a negative one.
  const SheetLayout odd = LayoutFromPage(100, 100, 80, 60);
  EXPECT_EQ(odd.width, 0);
  EXPECT_EQ(odd.height, 0);
}

TEST(SheetLayout, RowsAndColumnsOfA4800By6360Page) {
  const SheetLayout layout{4800, 6360};
  // Rows are 6360 / 36 = 176.67 pixels apart, truncated after scaling.
  const struct {
    double row;
    int y;
  } rows[] = {{1, 176}, {3, 530}, {18.674, 3299}, {19.674, 3475}, {22, 3886},
              {32.52, 5745}, {0, 0}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    EXPECT_EQ(layout.RowY(r.row), r.y);
    // The same truncation, done here with exact integer arithmetic for the
    // whole rows.
    if (r.row == std::floor(r.row)) {
      EXPECT_EQ(r.y, static_cast<int>(6360 * static_cast<long>(r.row) / 36));
    }
  }
  const struct {
    double fraction;
    int x;
  } columns[] = {{0.02, 96}, {0.33, 1584}, {0.5, 2400}, {0.315, 1512}, {0.36, 1728},
                 {0.39, 1872}, {0.045, 216}, {0.095, 456}};
  for (const auto& c : columns) {
    SCOPED_TRACE(c.fraction);
    EXPECT_EQ(layout.ColumnX(c.fraction), c.x);
  }
}

TEST(SheetLayout, FontsOfA4800PixelWidePage) {
  const auto fonts = SheetFonts(SheetLayout{4800, 6360});
  const auto& sheet = fonts[static_cast<int>(SheetFontId::kSheet)];
  const auto& narrow = fonts[static_cast<int>(SheetFontId::kNarrow)];
  const auto& symbol = fonts[static_cast<int>(SheetFontId::kSymbol)];
  const auto& greek = fonts[static_cast<int>(SheetFontId::kGreek)];
  EXPECT_EQ(sheet.face, SheetFace::kArial);
  EXPECT_EQ(sheet.height, 133);
  EXPECT_EQ(sheet.width, 48);
  EXPECT_EQ(narrow.face, SheetFace::kArial);
  EXPECT_EQ(narrow.height, 133);
  EXPECT_EQ(narrow.width, 33);
  EXPECT_EQ(symbol.face, SheetFace::kSymbol);
  EXPECT_EQ(symbol.height, 208);
  EXPECT_EQ(symbol.width, 0);
  EXPECT_EQ(greek.face, SheetFace::kSymbol);
  EXPECT_EQ(greek.height, 120);
  EXPECT_EQ(greek.width, 0);
}

// The lock is the search's: every control of ControlLockSet, and the menu
// bar by position. Unlocking also enables what was disabled before the print
// (the current page's menu item, "&Solve").
TEST(PrintLock, LocksTheSearchSetAndReleasesEverythingEvenOnAnException) {
  MemoryControls window(4);
  window.EnableMenuBarItem(1, false);  // the page on display
  window.Enable(IDC_SOLVE_BUTTON, false);
  window.SetText(IDC_C_LINE, "C: 41");

  try {
    PrintLock lock(window);
    for (int position = 0; position < 4; ++position) {
      EXPECT_FALSE(window.IsMenuBarItemEnabled(position)) << position;
    }
    for (ControlId id : ControlLockSet()) EXPECT_FALSE(window.IsEnabled(id)) << id;
    EXPECT_TRUE(window.IsEnabled(IDC_C_LINE));  // the status line stays
    throw std::runtime_error("printer gone");
  } catch (const std::runtime_error&) {
  }
  for (int position = 0; position < 4; ++position) {
    EXPECT_TRUE(window.IsMenuBarItemEnabled(position)) << position;
  }
  for (ControlId id : ControlLockSet()) EXPECT_TRUE(window.IsEnabled(id)) << id;
}

TEST(PrintLock, AWindowWithoutMenuIsLockedAllTheSame) {
  MemoryControls window(0);
  LockWindowForPrint(window);
  EXPECT_FALSE(window.IsEnabled(IDC_EXIT_BUTTON));
  EXPECT_FALSE(window.IsEnabled(IDC_RESULT_SELECTOR));
  UnlockWindowAfterPrint(window);
  EXPECT_TRUE(window.IsEnabled(IDC_EXIT_BUTTON));
  EXPECT_TRUE(window.IsEnabled(IDC_RESULT_SELECTOR));
}

}  // namespace
}  // namespace corvanta
