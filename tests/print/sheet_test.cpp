#include <gtest/gtest.h>

#include <array>

#include "print/sheet_content.h"
#include "print/sheet_layout.h"
#include "tests/support/search_job.h"

namespace corvanta {
namespace {

TEST(SheetText, AnglesAndFeedConstants) {
  const std::pair<double, const char*> angles[] = {
      {10.123456,
       "10\xB0"
       "07'24.4416\""},
      {5.99999999,
       "06\xB0"
       "00'00.0000\""},  // 59'59.99996" carries all the way up
  };
  for (const auto& [angle, text] : angles) EXPECT_EQ(DegreesMinutesSeconds(angle), text) << angle;
  // A feed constant above 3 is shown as its reciprocal.
  const std::pair<const char*, const char*> feedConstants[] = {
      {"8", "0.125"}, {"12", "0.08333333333333333333333333333333"}};  // 32 decimals
  for (const auto& [typed, shown] : feedConstants)
    EXPECT_EQ(FeedConstantText(typed), shown) << typed;
}

// Index constant 30, one thread, 41 teeth, row 0: X / Y is the train's P / Q,
// one case of each form (C = 41, form 3, in RunByRun): X's and P's side,
// Y's and Q's side.
TEST(SheetText, IndexEquationsOfTheWorkedTrains) {
  const struct {
    int p, q;              // C = p / q
    std::uint16_t n1, n2;  // the train's numerator pair
    std::uint16_t d1, d2;  // its denominator pair
    int form;
    std::string lines;
  } cases[] = {
      {28, 1, 24, 35, 31, 37, 0,
       "28 * 30 * 1 = 840 | 840 = 35 x 24 | (28 * 41)  - 1 = 1147 | 1147 = 31 x 37"},
      {2, 1, 30, 40, 36, 45, 1,
       "2 * 30 * 1 = 60 | (60 * 20) = 1200 = 40 x 30 | (2 * 41)  - 1 = 81 | "
       "(81 * 20) = 1620 = 36 x 45"},
      {176, 1, 24, 44, 37, 39, 2,
       "176 * 30 * 1 = 5280 | (5280 / 5) = 1056 = 44 x 24 | (176 * 41)  - 1 = 7215 | "
       "(7215 / 5) = 1443 = 37 x 39"},
      {47, 2, 24, 47, 35, 44, 3,  // q enters Y
       "47 * 30 * 1 = 1410 | ((1410 * 4) / 5) = 1128 = 47 x 24 | (47 * 41)  - 2 = 1925 | "
       "((1925 * 4) / 5) = 1540 = 35 x 44"},
  };
  for (const auto& c : cases) {
    const IndexEquation e = MakeIndexEquation(
        {c.p, c.q}, 30, 1, 41, -1, testing::MakeResult({c.n1, c.n2}, {c.d1, c.d2}, {}, {}, "1"));
    EXPECT_EQ(e.form, c.form) << c.lines;
    EXPECT_EQ(e.xLine + " | " + e.numeratorSide + " | " + e.yLine + " | " + e.denominatorSide,
              c.lines);
  }
}

// A 600 dpi Letter page with 0.25" / 0.2" margins: 4800 x 6360 printable,
// rows 6360 / 36 = 176.67 pixels apart, truncated after scaling.
TEST(SheetLayout, GridOfA4800By6360Page) {
  const SheetLayout layout = LayoutFromPage(5100, 6600, 150, 120);
  EXPECT_EQ(std::pair(layout.width, layout.height), std::pair(4800, 6360));
  const std::pair<double, int> rows[] = {{1, 176}, {18.674, 3299}, {22, 3886}, {32.52, 5745}};
  for (const auto& [row, y] : rows) EXPECT_EQ(layout.RowY(row), y) << row;
  const std::pair<double, int> columns[] = {{0.02, 96}, {0.315, 1512}, {0.5, 2400}};
  for (const auto& [fraction, x] : columns) EXPECT_EQ(layout.ColumnX(fraction), x) << fraction;
  // Sheet, narrow, symbol and Greek fonts: height and width.
  const std::array<std::pair<int, int>, kSheetFontCount> sizes = {
      {{133, 48}, {133, 33}, {208, 0}, {120, 0}}};
  const std::array<SheetFontSpec, kSheetFontCount> fonts = SheetFonts(layout);
  for (std::size_t i = 0; i < fonts.size(); ++i)
    EXPECT_EQ(std::pair(fonts[i].height, fonts[i].width), sizes[i]) << i;
}

}  // namespace
}  // namespace corvanta
