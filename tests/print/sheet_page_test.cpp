// The sheet drawn by the printing code into a page-sized bitmap: a Letter
// page at 200 dpi with the margins of the test printer (a printable area of
// 1600 x 2120 pixels), saved as sheet_page.bmp for the CTest step after this
// one, which turns it into sheet_page.png.
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

struct SheetPage : ::testing::Test {
  static void SetUpTestSuite() {
    MemoryControls window(4);
    const std::vector<SolveResult> results = testing::SolveRegressionJob(window);
    if (!results.empty()) runs_ = new std::vector<SheetRun>(ComposeSetupSheet(window, results[0]));
  }
  static void TearDownTestSuite() { delete runs_; }

  SheetPage() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    SelectObject(dc, bitmap);
    SetViewportOrgEx(dc, kOffsetX, kOffsetY, nullptr);  // the printable corner, as on a printer
  }
  ~SheetPage() override {
    DeleteDC(dc);
    DeleteObject(bitmap);
  }

  void Draw(const std::vector<SheetRun>& runs) {
    GdiFlush();
    std::fill(pixels, pixels + kWidth * kHeight, 0x00FFFFFFu);
    DrawSheetRuns(dc, layout, fonts, runs);
    GdiFlush();
  }
  static bool Dark(std::uint32_t p) {
    return (p & 0xFF) + (p >> 8 & 0xFF) + (p >> 16 & 0xFF) < 480;
  }
  InkBox InkIn(int left, int top, int right, int bottom) const {
    InkBox box;
    for (int y = std::max(top, 0); y <= std::min(bottom, kHeight - 1); ++y) {
      for (int x = std::max(left, 0); x <= std::min(right, kWidth - 1); ++x) {
        if (!Dark(pixels[y * kWidth + x])) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x),
               std::max(box.bottom, y)};
      }
    }
    return box;
  }
  InkBox Ink() const { return InkIn(0, 0, kWidth - 1, kHeight - 1); }
  // The run positioned at (row, column), drawn alone.
  InkBox InkOf(double row, double column) {
    for (const SheetRun& run : *runs_) {
      if (run.positioned && run.row == row && run.column == column) Draw({run});
    }
    return Ink();
  }
  void SaveBmp(const char* path) const {  // 32-bit, top-down: the bitmap as it is
    BITMAPINFOHEADER header{sizeof header, kWidth, -kHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    BITMAPFILEHEADER file{0x4D42, sizeof file + sizeof header + 4 * kWidth * kHeight, 0, 0,
                          sizeof file + sizeof header};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(pixels), 4 * kWidth * kHeight);
  }

  static std::vector<SheetRun>* runs_;
  const SheetLayout layout = LayoutFromPage(kWidth, kHeight, kOffsetX, kOffsetY);
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  std::uint32_t* pixels = nullptr;
  SheetGdiFonts fonts{dc, layout};
};
std::vector<SheetRun>* SheetPage::runs_ = nullptr;

// The whole page is saved; it carries ink, none in the unprintable margins
// nor below the last row. Each run drawn alone then starts at its row and
// lies left of, centred on or right of its column as aligned (within the
// side bearings of the fonts).
TEST_F(SheetPage, RunsLieWhereTheLayoutPutsThem) {
  ASSERT_TRUE(runs_ != nullptr) << "the search found nothing";
  ASSERT_EQ(std::pair(layout.width, layout.height), std::pair(1600, 2120));
  Draw(*runs_);
  SaveBmp("sheet_page.bmp");
  long inked = 0;
  for (int i = 0; i < kWidth * kHeight; ++i) inked += Dark(pixels[i]);
  EXPECT_GT(inked, kWidth * kHeight / 200) << "the page is (nearly) blank";
  EXPECT_LT(inked, kWidth * kHeight / 5);
  EXPECT_TRUE(InkIn(0, 0, kWidth - 1, kOffsetY - 1).Empty());
  EXPECT_TRUE(InkIn(0, 0, kOffsetX - 1, kHeight - 1).Empty());
  EXPECT_TRUE(InkIn(0, kOffsetY + layout.RowY(33.6), kWidth - 1, kHeight - 1).Empty());

  const std::pair<double, double> checked[] = {
      {1, 0.5},        // the title
      {3, 0.02},       // the first job line
      {18.674, 0.36},  // a therefore sign
      {19, 0.33},      // X = p * K * T, right-aligned
      {19, 0.39},      // the numerator side
      {21.62, 0.315}, {22.52, 0.315}, {31.62, 0.315}, {32.52, 0.315},  // the trains
      {22, 0.02},      // "Index Change-Gears:" and its fraction bar
      {24, 0.045},     // the narrow pitch line
  };
  for (const auto& [row, column] : checked) {
    const auto run = std::find_if(runs_->begin(), runs_->end(), [&](const SheetRun& r) {
      return r.positioned && r.row == row && r.column == column;
    });
    ASSERT_NE(run, runs_->end()) << row;
    SCOPED_TRACE(run->text);
    const InkBox box = InkOf(row, column);
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
}

// The hyphens after "Index Change-Gears:" and "Feed Change-Gears:" are the
// fraction bars of the trains drawn above and below them, in other runs:
// the trains must sit over their bars in the face the machine has.
TEST_F(SheetPage, TrainsSitOnTheirFractionBars) {
  ASSERT_TRUE(runs_ != nullptr);
  SelectObject(dc, fonts.Get(SheetFontId::kSheet));
  SIZE bar{};
  GetTextExtentPoint32W(dc, L"-------------", 13, &bar);
  const int tolerance = SheetFontFor(SheetFontId::kSheet, layout).width;
  for (const auto& [barRow, upper, lower] :
       {std::tuple{22.0, 21.62, 22.52}, std::tuple{32.0, 31.62, 32.52}}) {
    SCOPED_TRACE(barRow);
    const int barEnd = InkOf(barRow, 0.02).right;
    for (const double row : {upper, lower}) {
      const InkBox train = InkOf(row, 0.315);
      EXPECT_GE(train.left, barEnd - bar.cx - tolerance) << row;
      EXPECT_LE(train.right, barEnd + tolerance) << row;
    }
  }
}

}  // namespace
}  // namespace corvanta
