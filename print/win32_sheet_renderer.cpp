#include "print/win32_sheet_renderer.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "print/sheet_text.h"

namespace corvanta {

namespace {

// Logical-font constants of the sheet: thin weight (Arial has none, so the
// regular face is used), default character set, proof quality, Swiss family
// with default pitch.
constexpr int kSheetWeight = 100;

// Arial's average character width: 904 units of its 2048-unit em.
constexpr double kArialAverageWidthPerEm = 904.0 / 2048.0;

HFONT CreateSheetFont(int height, int width, const wchar_t* face) {
  return CreateFontW(height, width, 0, 0, kSheetWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, face);
}

const wchar_t* FaceName(SheetFace face) {
  return face == SheetFace::kSymbol ? L"Symbol" : L"Arial";
}

UINT TextAlignOf(SheetAlign align) {
  switch (align) {
    case SheetAlign::kLeft: return TA_LEFT | TA_TOP;
    case SheetAlign::kCentre: return TA_CENTER | TA_TOP;
    case SheetAlign::kRight: return TA_RIGHT | TA_TOP;
    case SheetAlign::kFlow: return TA_UPDATECP | TA_TOP;
  }
  return TA_LEFT | TA_TOP;
}

// Each character's advance in the font selected in `device`: where GDI
// itself puts the characters one after another. Empty if it cannot tell.
std::vector<INT> Advances(HDC device, const std::wstring& text) {
  const int count = static_cast<int>(text.size());
  std::vector<INT> ends(text.size());
  SIZE extent{};
  if (count == 0 ||
      !GetTextExtentExPointW(device, text.c_str(), count, 0, nullptr, ends.data(), &extent)) {
    return {};
  }
  for (int i = count - 1; i > 0; --i) ends[i] -= ends[i - 1];
  return ends;
}

int Extent(HDC device, HFONT font, const std::wstring& text) {
  const HGDIOBJ previous = SelectObject(device, font);
  SIZE extent{};
  GetTextExtentPoint32W(device, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(device, previous);
  return extent.cx;
}

// Draws a run of the narrow lines with its top left corner at `start` and
// its characters at `advances` (`width` in all): the face at its own width,
// narrowed by a horizontal scale of the page instead of by the font's width.
void DrawScaledRun(HDC device, POINT start, const std::wstring& text,
                   const std::vector<INT>& advances, int width, HFONT unsqueezed) {
  const int natural = Extent(device, unsqueezed, text);
  if (width <= 0 || natural <= 0) return;
  const double scale = static_cast<double>(width) / natural;
  // Each character where the squeezed font puts it, in the scaled units.
  std::vector<INT> scaled(advances.size());
  int end = 0, scaledEnd = 0;
  for (std::size_t i = 0; i < advances.size(); ++i) {
    end += advances[i];
    const int next = static_cast<int>(std::lround(end / scale));
    scaled[i] = next - scaledEnd;
    scaledEnd = next;
  }
  const int mode = SetGraphicsMode(device, GM_ADVANCED);
  const XFORM transform{static_cast<FLOAT>(scale),  0, 0, 1, static_cast<FLOAT>(start.x),
                        static_cast<FLOAT>(start.y)};
  SetWorldTransform(device, &transform);
  const HGDIOBJ previous = SelectObject(device, unsqueezed);
  const UINT align = SetTextAlign(device, TA_LEFT | TA_TOP);
  ExtTextOutW(device, 0, 0, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()),
              scaled.data());
  SetTextAlign(device, align);
  SelectObject(device, previous);
  ModifyWorldTransform(device, nullptr, MWT_IDENTITY);
  SetGraphicsMode(device, mode);
}

}  // namespace

SheetLayout SheetLayoutOfDevice(HDC device) {
  return LayoutFromPage(GetDeviceCaps(device, PHYSICALWIDTH), GetDeviceCaps(device, PHYSICALHEIGHT),
                        GetDeviceCaps(device, PHYSICALOFFSETX),
                        GetDeviceCaps(device, PHYSICALOFFSETY));
}

int ArialEquivalentWidth(HDC device, const wchar_t* face, int height, int arialWidth) {
  if (arialWidth == 0) return 0;
  // A line of the sheet's kind of text, measured at the face's own width and
  // at the asked width. Arial squeezed to arialWidth is as wide as the face
  // at its own width times arialWidth over Arial's own average width (the
  // stand-ins have Arial's character widths, only not its average).
  static const wchar_t kSample[] = L"Index Change-Gears: (803 * 40) - 35 = 32085 x 0.0316229";
  constexpr int kSampleLength = static_cast<int>(std::size(kSample)) - 1;
  const auto measure = [&](int width, TEXTMETRICW* metrics) -> double {
    HFONT font = CreateSheetFont(height, width, face);
    if (!font) return 0;
    HGDIOBJ previous = SelectObject(device, font);
    SIZE extent{};
    const bool ok = GetTextExtentPoint32W(device, kSample, kSampleLength, &extent) &&
                    (metrics == nullptr || GetTextMetricsW(device, metrics));
    SelectObject(device, previous);
    DeleteObject(font);
    return ok ? extent.cx : 0;
  };
  TEXTMETRICW metrics{};
  const double natural = measure(0, &metrics);
  const double squeezed = measure(arialWidth, nullptr);
  const double em = metrics.tmHeight - metrics.tmInternalLeading;  // a TrueType cell's em
  if (natural <= 0 || squeezed <= 0 || em <= 0) return arialWidth;
  const double asArial = natural * arialWidth / (em * kArialAverageWidthPerEm);
  if (std::fabs(squeezed / asArial - 1) < 0.02) return arialWidth;  // Arial itself
  return std::max(1, static_cast<int>(std::lround(arialWidth * asArial / squeezed)));
}

SheetGdiFonts::SheetGdiFonts(HDC device, const SheetLayout& layout) {
  for (int i = 0; i < kSheetFontCount; ++i) {
    const SheetFontSpec style = SheetFontFor(static_cast<SheetFontId>(i), layout);
    const wchar_t* face = FaceName(style.face);
    fonts_[i] = CreateSheetFont(
        style.height, ArialEquivalentWidth(device, face, style.height, style.width), face);
  }
  const SheetFontSpec narrow = SheetFontFor(SheetFontId::kNarrow, layout);
  unsqueezedNarrow_ = CreateSheetFont(narrow.height, 0, FaceName(narrow.face));
}

SheetGdiFonts::~SheetGdiFonts() {
  for (HFONT font : fonts_) {
    if (font) DeleteObject(font);
  }
  if (unsqueezedNarrow_) DeleteObject(unsqueezedNarrow_);
}

std::wstring RunDeviceText(const SheetRun& run) {
  std::wstring text;
  if (run.font == SheetFontId::kSymbol || run.font == SheetFontId::kGreek) {
    for (char c : run.text) text += static_cast<wchar_t>(static_cast<unsigned char>(c));
  } else {
    for (char16_t c : Windows1252ToUtf16(run.text)) text += static_cast<wchar_t>(c);
  }
  return text;
}

void DrawSheetRuns(HDC device, const SheetLayout& layout, const SheetGdiFonts& fonts,
                   const std::vector<SheetRun>& runs) {
  // A display or a bitmap is drawn by GDI itself, squeezed fonts and all.
  // On a printer the driver draws the text from the face it is handed and
  // may ignore the font's width (Wine's PostScript driver draws a downloaded
  // face at its own width); the narrow lines get their squeeze as a scale of
  // the page there, which every driver follows.
  const bool squeezeByScale = GetDeviceCaps(device, TECHNOLOGY) != DT_RASDISPLAY;
  const int saved = SaveDC(device);
  SetBkMode(device, TRANSPARENT);
  SheetFontId font = SheetFontId::kSheet;
  SelectObject(device, fonts.Get(font));
  UINT align = TA_LEFT | TA_TOP;
  SetTextAlign(device, align);

  for (const SheetRun& run : runs) {
    if (run.font != font) {
      font = run.font;
      SelectObject(device, fonts.Get(font));
    }
    if (TextAlignOf(run.align) != align) {
      align = TextAlignOf(run.align);
      SetTextAlign(device, align);
    }
    int x = 0, y = 0;
    if (run.positioned) {
      x = layout.ColumnX(run.column);
      y = layout.RowY(run.row);
      // With the current point in use the text goes where MoveToEx put it.
      if (run.align == SheetAlign::kFlow) MoveToEx(device, x, y, nullptr);
    }
    const std::wstring text = RunDeviceText(run);
    // Every character at the advance GDI measured for the font, whatever
    // width a printer driver draws the face at; the current point, and so
    // the next run, follows GDI's widths as well.
    const std::vector<INT> advances = Advances(device, text);
    if (squeezeByScale && run.font == SheetFontId::kNarrow && !advances.empty() &&
        (run.align == SheetAlign::kLeft || run.align == SheetAlign::kFlow)) {
      POINT start{x, y};
      if (run.align == SheetAlign::kFlow) GetCurrentPositionEx(device, &start);
      int width = 0;
      for (INT advance : advances) width += advance;
      DrawScaledRun(device, start, text, advances, width, fonts.UnsqueezedNarrow());
      if (run.align == SheetAlign::kFlow) MoveToEx(device, start.x + width, start.y, nullptr);
      continue;
    }
    // A failing draw on a failing printer is not reported: the job goes on
    // and the window is unlocked in any case.
    ExtTextOutW(device, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()),
                advances.empty() ? nullptr : advances.data());
  }
  RestoreDC(device, saved);
}

}  // namespace corvanta
