// The sheet drawn by the printing code into a Letter page at 200 dpi with
// the test printer's margins (1600 x 2120 printable), saved as
// sheet_page.bmp for the CTest step that turns it into sheet_page.png.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>

#include "print/win32_sheet_renderer.h"
#include "tests/support/long_lead_sheet.h"

namespace corvanta {
namespace {

constexpr int kWidth = 1700, kHeight = 2200, kOffsetX = 50, kOffsetY = 40;

// Whether any pixel of the box (inclusive) is dark.
bool HasInk(const std::uint32_t* pixels, int left, int top, int right, int bottom) {
  for (int y = std::max(top, 0); y <= std::min(bottom, kHeight - 1); ++y) {
    for (int x = std::max(left, 0); x <= std::min(right, kWidth - 1); ++x) {
      const std::uint32_t p = pixels[y * kWidth + x];
      if ((p & 0xFF) + (p >> 8 & 0xFF) + (p >> 16 & 0xFF) < 480) return true;
    }
  }
  return false;
}

// Ink at the title and at the index and feed trains, none below the last row.
TEST(SheetPage, TitleAndGearLinesAreInked) {
  const std::vector<SheetRun> runs = testing::LongLeadSheet(false).runs;
  ASSERT_FALSE(runs.empty()) << "the search found nothing";
  const SheetLayout layout = LayoutFromPage(kWidth, kHeight, kOffsetX, kOffsetY);
  const HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFOHEADER header{sizeof header, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header),
                                          DIB_RGB_COLORS, &bits, nullptr, 0);
  const auto* pixels = static_cast<std::uint32_t*>(bits);
  SelectObject(dc, bitmap);
  SetViewportOrgEx(dc, kOffsetX, kOffsetY, nullptr);  // the printable corner, as on a printer
  {
    SheetGdiFonts fonts(dc, layout);
    std::fill_n(static_cast<std::uint32_t*>(bits), kWidth * kHeight, 0x00FFFFFFu);
    DrawSheetRuns(dc, layout, fonts, runs);
    GdiFlush();
  }
  {
    BITMAPFILEHEADER file{0x4D42, sizeof file + sizeof header + 4 * kWidth * kHeight, 0, 0,
                          sizeof file + sizeof header};
    std::ofstream out("sheet_page.bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(static_cast<const char*>(bits), 4 * kWidth * kHeight);
  }
  EXPECT_FALSE(HasInk(pixels, 0, kOffsetY + layout.RowY(33.6), kWidth - 1, kHeight - 1));

  const int height = SheetFontFor(SheetFontId::kSheet, layout).height;
  // The title, the index train and the feed train, centred on their columns.
  for (const auto& [row, column] : {std::pair{1.0, 0.5}, {21.62, 0.315}, {31.62, 0.315}}) {
    SCOPED_TRACE(row);
    const int top = kOffsetY + layout.RowY(row), x = kOffsetX + layout.ColumnX(column);
    EXPECT_TRUE(HasInk(pixels, x - height, top, x + height, top + height));
    EXPECT_FALSE(HasInk(pixels, 0, top - height / 2, kWidth - 1, top - 1)) << "ink above the row";
  }
  DeleteDC(dc);
  DeleteObject(bitmap);
}

}  // namespace
}  // namespace corvanta
