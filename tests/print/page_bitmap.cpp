#include "page_bitmap.h"

#include <algorithm>

namespace corvanta::testing {

namespace {

bool IsInk(std::uint32_t pixel) {
  const int b = pixel & 0xFF, g = (pixel >> 8) & 0xFF, r = (pixel >> 16) & 0xFF;
  return r + g + b < 3 * 160;
}

void Grow(InkBox& box, int x, int y) {
  if (box.Empty()) {
    box = {x, y, x, y};
    return;
  }
  box.left = std::min(box.left, x);
  box.right = std::max(box.right, x);
  box.top = std::min(box.top, y);
  box.bottom = std::max(box.bottom, y);
}

}  // namespace

PageBitmap::PageBitmap(int width, int height, int offsetX, int offsetY)
    : width_(width), height_(height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  dc_ = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
  SetMapMode(dc_, MM_TEXT);
  SetViewportOrgEx(dc_, offsetX, offsetY, nullptr);
  Clear();
}

PageBitmap::~PageBitmap() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

void PageBitmap::Clear() {
  GdiFlush();
  std::fill(bits_, bits_ + static_cast<std::size_t>(width_) * height_, 0x00FFFFFFu);
}

bool PageBitmap::Ink(int x, int y) const {
  GdiFlush();
  return IsInk(bits_[static_cast<std::size_t>(y) * width_ + x]);
}

long PageBitmap::InkCount() const {
  GdiFlush();
  return static_cast<long>(
      std::count_if(bits_, bits_ + static_cast<std::size_t>(width_) * height_, IsInk));
}

InkBox PageBitmap::DifferenceBox(const std::vector<std::uint32_t>& other) const {
  GdiFlush();
  InkBox box;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
      if (IsInk(bits_[i]) != IsInk(other[i])) Grow(box, x, y);
    }
  }
  return box;
}

InkBox PageBitmap::InkIn(int left, int top, int right, int bottom) const {
  GdiFlush();
  InkBox box;
  for (int y = std::max(top, 0); y <= std::min(bottom, height_ - 1); ++y) {
    for (int x = std::max(left, 0); x <= std::min(right, width_ - 1); ++x) {
      if (IsInk(bits_[static_cast<std::size_t>(y) * width_ + x])) Grow(box, x, y);
    }
  }
  return box;
}

std::vector<std::uint32_t> PageBitmap::Pixels() const {
  GdiFlush();
  return std::vector<std::uint32_t>(bits_, bits_ + static_cast<std::size_t>(width_) * height_);
}

bool PageBitmap::SaveBmp(const std::wstring& path) const {
  GdiFlush();
  const int rowBytes = (width_ * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width_;
  header.biHeight = -height_;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rowBytes) * height_;
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;

  std::vector<char> data(header.biSizeImage, 0);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t pixel = bits_[static_cast<std::size_t>(y) * width_ + x];
      char* out = &data[static_cast<std::size_t>(y) * rowBytes + x * 3];
      out[0] = static_cast<char>(pixel & 0xFF);
      out[1] = static_cast<char>((pixel >> 8) & 0xFF);
      out[2] = static_cast<char>((pixel >> 16) & 0xFF);
    }
  }
  HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(handle, &file, sizeof file, &written, nullptr) &&
            WriteFile(handle, &header, sizeof header, &written, nullptr) &&
            WriteFile(handle, data.data(), header.biSizeImage, &written, nullptr);
  CloseHandle(handle);
  return ok;
}

}  // namespace corvanta::testing
