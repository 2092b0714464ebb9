// A white page in memory that GDI draws on as it would on a printer's page,
// for looking at what the sheet puts where.
#ifndef CORVANTA_TESTS_PRINT_PAGE_BITMAP_H
#define CORVANTA_TESTS_PRINT_PAGE_BITMAP_H

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvanta::testing {

struct InkBox {
  int left = 0, top = 0, right = -1, bottom = -1;  // inclusive; empty when right < left
  bool Empty() const { return right < left; }
  int CentreX() const { return (left + right) / 2; }
};

class PageBitmap {
 public:
  // A page of width x height pixels; drawing coordinates start at the
  // printable corner (offsetX, offsetY), as on a printer's device context.
  PageBitmap(int width, int height, int offsetX, int offsetY);
  ~PageBitmap();
  PageBitmap(const PageBitmap&) = delete;
  PageBitmap& operator=(const PageBitmap&) = delete;

  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }

  void Clear();
  // Dark enough to be ink, in page pixels.
  bool Ink(int x, int y) const;
  // Ink pixels of the whole page.
  long InkCount() const;
  // Where ink lies that `other` does not have (or has, and this one not).
  InkBox DifferenceBox(const std::vector<std::uint32_t>& other) const;
  // Where ink lies in a rectangle of the page (inclusive bounds).
  InkBox InkIn(int left, int top, int right, int bottom) const;
  std::vector<std::uint32_t> Pixels() const;
  // A 24-bit Windows bitmap file.
  bool SaveBmp(const std::wstring& path) const;

 private:
  int width_, height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

}  // namespace corvanta::testing

#endif
