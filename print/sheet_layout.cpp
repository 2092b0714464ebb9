#include "print/sheet_layout.h"

#include <cmath>
#include <limits>

namespace corvanta {

namespace {

// A double outside int's range (or a NaN) has no defined conversion; a page
// that large does not exist, so the grid is simply held to int's range.
int TruncToInt(double value) {
  if (!(value == value)) return 0;
  const double truncated = std::trunc(value);
  if (truncated >= static_cast<double>(std::numeric_limits<int>::max())) {
    return std::numeric_limits<int>::max();
  }
  if (truncated <= static_cast<double>(std::numeric_limits<int>::min())) {
    return std::numeric_limits<int>::min();
  }
  return static_cast<int>(truncated);
}

}  // namespace

int SheetLayout::RowY(double row) const { return TruncToInt((height / kSheetRowsPerPage) * row); }

int SheetLayout::ColumnX(double fraction) const { return TruncToInt(width * fraction); }

SheetLayout LayoutFromPage(int physicalWidth, int physicalHeight, int offsetX, int offsetY) {
  // In 64 bits: two offsets of a hostile driver must not overflow.
  const auto printable = [](int size, int offset) {
    const long long value = static_cast<long long>(size) - 2LL * offset;
    if (value < 0) return 0;
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
  };
  return SheetLayout{printable(physicalWidth, offsetX), printable(physicalHeight, offsetY)};
}

SheetFontSpec SheetFontFor(SheetFontId font, const SheetLayout& layout) {
  const int w = layout.width;
  switch (font) {
    case SheetFontId::kSheet: return {SheetFace::kArial, w / 36, w / 100};
    case SheetFontId::kNarrow: return {SheetFace::kArial, w / 36, w / 142};
    case SheetFontId::kSymbol: return {SheetFace::kSymbol, w / 23, 0};
    case SheetFontId::kGreek: return {SheetFace::kSymbol, w / 40, 0};
  }
  return {SheetFace::kArial, w / 36, w / 100};
}

std::array<SheetFontSpec, kSheetFontCount> SheetFonts(const SheetLayout& layout) {
  return {SheetFontFor(SheetFontId::kSheet, layout), SheetFontFor(SheetFontId::kNarrow, layout),
          SheetFontFor(SheetFontId::kSymbol, layout), SheetFontFor(SheetFontId::kGreek, layout)};
}

}  // namespace corvanta
