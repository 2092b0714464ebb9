// The sheet drawn by the printing code into a Letter page at 200 dpi with
// the test printer's margins (1600 x 2120 printable), saved as
// sheet_page.bmp for the CTest step that turns it into sheet_page.png.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <tuple>

#include "print/win32_sheet_renderer.h"
#include "tests/print/sheet_test_support.h"

namespace corvanta {
namespace {

constexpr int kWidth = 1700, kHeight = 2200, kOffsetX = 50, kOffsetY = 40;

struct InkBox {
  int left = kWidth, top = kHeight, right = -1, bottom = -1;  // inclusive
  bool Empty() const { return right < left; }
};

// No ink below the last row; each run drawn alone starts at its row and
// lies at its column (printable corner included) as aligned.
TEST(SheetPage, RunsLieWhereTheLayoutPutsThem) {
  MemoryControls window(4);
  const std::vector<SolveResult> results = testing::SolveRegressionJob(window);
  ASSERT_FALSE(results.empty()) << "the search found nothing";
  const std::vector<SheetRun> runs = ComposeSetupSheet(window, results[0]);
  const SheetLayout layout = LayoutFromPage(kWidth, kHeight, kOffsetX, kOffsetY);
  ASSERT_EQ(std::pair(layout.width, layout.height), std::pair(1600, 2120));
  const HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFOHEADER header{sizeof header, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(dc, reinterpret_cast<BITMAPINFO*>(&header),
                                          DIB_RGB_COLORS, &bits, nullptr, 0);
  const auto* pixels = static_cast<std::uint32_t*>(bits);
  SelectObject(dc, bitmap);
  SetViewportOrgEx(dc, kOffsetX, kOffsetY, nullptr);  // the printable corner, as on a printer
  SheetGdiFonts fonts(dc, layout);
  const auto dark = [](std::uint32_t p) {
    return (p & 0xFF) + (p >> 8 & 0xFF) + (p >> 16 & 0xFF) < 480;
  };
  const auto draw = [&](const std::vector<SheetRun>& drawn) {
    GdiFlush();
    std::fill_n(static_cast<std::uint32_t*>(bits), kWidth * kHeight, 0x00FFFFFFu);
    DrawSheetRuns(dc, layout, fonts, drawn);
    GdiFlush();
  };
  const auto inkIn = [&](int left, int top, int right, int bottom) {
    InkBox box;
    for (int y = top; y <= bottom; ++y) {
      for (int x = left; x <= right; ++x) {
        if (!dark(pixels[y * kWidth + x])) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
               std::max(box.bottom, y)};
      }
    }
    return box;
  };
  const auto find = [&](double row, double column) {
    return std::find_if(runs.begin(), runs.end(), [&](const SheetRun& r) {
      return r.positioned && r.row == row && r.column == column;
    });
  };
  const auto inkOf = [&](double row, double column) {  // the run there, drawn alone
    draw({*find(row, column)});
    return inkIn(0, 0, kWidth - 1, kHeight - 1);
  };

  draw(runs);
  {
    BITMAPFILEHEADER file{0x4D42, sizeof file + sizeof header + 4 * kWidth * kHeight, 0, 0,
                          sizeof file + sizeof header};
    std::ofstream out("sheet_page.bmp", std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(static_cast<const char*>(bits), 4 * kWidth * kHeight);
  }
  EXPECT_TRUE(inkIn(0, kOffsetY + layout.RowY(33.6), kWidth - 1, kHeight - 1).Empty());

  const std::pair<double, double> checked[] = {
      {1, 0.5},        // the title
      {18.674, 0.36},  // a therefore sign
      {19, 0.33},      // X = p * K * T, right-aligned
      {19, 0.39},      // the numerator side
      {21.62, 0.315},  // a train
      {24, 0.045},     // the narrow pitch line
  };
  for (const auto& [row, column] : checked) {
    const auto run = find(row, column);
    ASSERT_NE(run, runs.end()) << row;
    SCOPED_TRACE(run->text);
    const InkBox box = inkOf(row, column);
    ASSERT_FALSE(box.Empty()) << "the run drew nothing";
    const auto font = SheetFontFor(run->font, layout);
    const int top = kOffsetY + layout.RowY(row), x = kOffsetX + layout.ColumnX(column);
    EXPECT_GE(box.top, top);
    EXPECT_LE(box.bottom, top + font.height);
    const int edge = run->align == SheetAlign::kLeft     ? box.left
                     : run->align == SheetAlign::kCentre ? (box.left + box.right) / 2
                                                         : box.right;
    EXPECT_NEAR(edge, x, font.height / 4);
  }

  // The hyphens after "Index Change-Gears:" and "Feed Change-Gears:" are the
  // bars of the trains above and below them, in the face the machine has.
  SelectObject(dc, fonts.Get(SheetFontId::kSheet));
  SIZE bar{};
  GetTextExtentPoint32W(dc, L"-------------", 13, &bar);
  const int tolerance = SheetFontFor(SheetFontId::kSheet, layout).width;
  for (const auto& [barRow, upper, lower] :
       {std::tuple{22.0, 21.62, 22.52}, std::tuple{32.0, 31.62, 32.52}}) {
    const int barEnd = inkOf(barRow, 0.02).right;
    for (const double row : {upper, lower}) {
      const InkBox train = inkOf(row, 0.315);
      EXPECT_GE(train.left, barEnd - bar.cx - tolerance) << row;
      EXPECT_LE(train.right, barEnd + tolerance) << row;
    }
  }
  DeleteDC(dc);
  DeleteObject(bitmap);
}

}  // namespace
}  // namespace corvanta
