// The sheet drawn by the printing code into a page-sized bitmap: a Letter
// page at 200 dpi with the margins of the test printer (a printable area of
// 1600 x 2120 pixels). The page is saved as sheet_page.bmp for the CTest
// step after this one, which turns it into sheet_page.png.
#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "page_bitmap.h"
#include "print/win32_sheet_renderer.h"
#include "tests/print/sheet_test_support.h"

namespace corvanta {
namespace {

using testing::InkBox;
using testing::PageBitmap;

constexpr int kPageWidth = 1700, kPageHeight = 2200, kOffsetX = 50, kOffsetY = 40;

// The first result of a real Solve of the regression job (C = 803/35).
struct SheetPage : ::testing::Test {
  static void SetUpTestSuite() {
    MemoryControls window(4);
    testing::SheetJob job;
    job.helix = "30";
    job.teeth = 40;
    testing::SetSheetJob(window, job);
    testing::SetStockRange(window, 30, 90);
    const std::vector<SolveResult> results = testing::Solve(window);
    ASSERT_FALSE(results.empty());
    runs_ = new std::vector<SheetRun>(ComposeSetupSheet(window, results[0]));
  }
  static void TearDownTestSuite() {
    delete runs_;
    runs_ = nullptr;
  }

  void Draw(const std::vector<SheetRun>& runs) {
    page.Clear();
    const SheetGdiFonts fonts(page.dc(), layout);
    DrawSheetRuns(page.dc(), layout, fonts, runs);
  }

  static std::vector<SheetRun>* runs_;
  const SheetLayout layout = LayoutFromPage(kPageWidth, kPageHeight, kOffsetX, kOffsetY);
  PageBitmap page{kPageWidth, kPageHeight, kOffsetX, kOffsetY};
};
std::vector<SheetRun>* SheetPage::runs_ = nullptr;

TEST_F(SheetPage, IsSavedAndCarriesText) {
  ASSERT_TRUE(runs_ != nullptr);
  ASSERT_EQ(layout.width, 1600);
  ASSERT_EQ(layout.height, 2120);
  Draw(*runs_);
  ASSERT_TRUE(page.SaveBmp(L"sheet_page.bmp"));
  const double inked = static_cast<double>(page.InkCount()) / (kPageWidth * kPageHeight);
  EXPECT_GT(inked, 0.005) << "the page is (nearly) blank";
  EXPECT_LT(inked, 0.2);
  // Nothing in the unprintable margins, nor below the last row.
  EXPECT_TRUE(page.InkIn(0, 0, kPageWidth - 1, kOffsetY - 1).Empty());
  EXPECT_TRUE(page.InkIn(0, 0, kOffsetX - 1, kPageHeight - 1).Empty());
  EXPECT_TRUE(page.InkIn(0, kOffsetY + layout.RowY(33.6), kPageWidth - 1, kPageHeight - 1).Empty());
}

// Each run drawn alone against the page without it: its ink must start at
// its row and lie left of, centred on or right of its column as aligned.
// Fonts differ slightly in their side bearings, hence the tolerance.
TEST_F(SheetPage, RunsLieWhereTheLayoutPutsThem) {
  ASSERT_TRUE(runs_ != nullptr);
  Draw(*runs_);
  const std::vector<std::uint32_t> whole = page.Pixels();
  const std::set<std::pair<double, double>> checked = {
      {1, 0.5},       // the title
      {3, 0.02},      // the first job line
      {18.674, 0.36}, // a therefore sign
      {19, 0.33},     // X = p * K * T, right-aligned
      {19, 0.39},     // the numerator side
      {21.62, 0.315}, {22.52, 0.315},  // the index train
      {22, 0.02},     // "Index Change-Gears:" and its fraction bar
      {24, 0.045},    // the narrow pitch line
      {31.62, 0.315}, {32.52, 0.315},  // the feed train
  };
  int found = 0;
  for (std::size_t i = 0; i < runs_->size(); ++i) {
    const SheetRun& run = (*runs_)[i];
    if (!run.positioned || checked.count({run.row, run.column}) == 0) continue;
    ++found;
    SCOPED_TRACE(run.text);
    std::vector<SheetRun> without = *runs_;
    without.erase(without.begin() + static_cast<std::ptrdiff_t>(i));
    Draw(without);
    const InkBox box = page.DifferenceBox(whole);
    ASSERT_FALSE(box.Empty()) << "the run drew nothing";

    const SheetFontSpec font = SheetFontFor(run.font, layout);
    const int top = kOffsetY + layout.RowY(run.row);
    const int x = kOffsetX + layout.ColumnX(run.column);
    EXPECT_GE(box.top, top);
    EXPECT_LE(box.bottom, top + font.height);
    const int tolerance = font.height / 4;
    switch (run.align) {
      case SheetAlign::kLeft: EXPECT_NEAR(box.left, x, tolerance); break;
      case SheetAlign::kCentre: EXPECT_NEAR(box.CentreX(), x, tolerance); break;
      case SheetAlign::kRight: EXPECT_NEAR(box.right, x, tolerance); break;
      case SheetAlign::kFlow: break;
    }
  }
  EXPECT_EQ(found, static_cast<int>(checked.size()));
}

// The hyphens after "Index Change-Gears:" and "Feed Change-Gears:" are the
// fraction bars of the trains drawn above and below them, in another run:
// the trains must sit over their bars (in the face the machine has).
TEST_F(SheetPage, TrainsSitOnTheirFractionBars) {
  ASSERT_TRUE(runs_ != nullptr);
  const auto inkOf = [&](double row, double column) {
    std::vector<SheetRun> alone;
    for (const SheetRun& run : *runs_) {
      if (run.positioned && run.row == row && run.column == column) alone.push_back(run);
    }
    EXPECT_EQ(alone.size(), 1u) << row;
    Draw(alone);
    return page.InkIn(0, 0, kPageWidth - 1, kPageHeight - 1);
  };
  const SheetGdiFonts fonts(page.dc(), layout);
  HGDIOBJ previous = SelectObject(page.dc(), fonts.Get(SheetFontId::kSheet));
  SIZE bar{};
  GetTextExtentPoint32W(page.dc(), L"-------------", 13, &bar);
  SelectObject(page.dc(), previous);

  const int tolerance = SheetFontFor(SheetFontId::kSheet, layout).width;
  for (const auto& [barRow, upperRow, lowerRow] :
       {std::tuple{22.0, 21.62, 22.52}, std::tuple{32.0, 31.62, 32.52}}) {
    SCOPED_TRACE(barRow);
    const int barEnd = inkOf(barRow, 0.02).right;
    const int barStart = barEnd - bar.cx;
    for (double row : {upperRow, lowerRow}) {
      const InkBox train = inkOf(row, 0.315);
      EXPECT_GE(train.left, barStart - tolerance) << row;
      EXPECT_LE(train.right, barEnd + tolerance) << row;
    }
  }
}

// The therefore sign and the psi must be real glyphs of the Symbol face the
// sheet selects, not the empty box of a missing one.
TEST_F(SheetPage, SymbolRunsHaveGlyphs) {
  const SheetGdiFonts fonts(page.dc(), layout);
  for (SheetFontId id : {SheetFontId::kSymbol, SheetFontId::kGreek}) {
    HGDIOBJ previous = SelectObject(page.dc(), fonts.Get(id));
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(page.dc(), LF_FACESIZE, face);
    EXPECT_STREQ(face, L"Symbol");
    for (const char* text : {"\\", "y"}) {
      SheetRun run;
      run.font = id;
      run.text = text;
      const std::wstring drawn = RunDeviceText(run);
      WORD glyph = 0;
      ASSERT_EQ(GetGlyphIndicesW(page.dc(), drawn.c_str(), 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS),
                1u);
      EXPECT_NE(glyph, 0xFFFF) << text;
      EXPECT_NE(glyph, 0) << text;
    }
    SelectObject(page.dc(), previous);
  }
}

}  // namespace
}  // namespace corvanta
