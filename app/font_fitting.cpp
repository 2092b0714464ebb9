#include "app/font_fitting.h"

#include <string>
#include <vector>

namespace corvanta {
namespace {

// Smaller captions would be hard to read: should even this height leave a
// caption too long, the window uses it all the same.
constexpr LONG kSmallestHeight = 10;

struct Caption {
  std::wstring text;  // as drawn, without the mnemonic marks
  bool narrow;        // wears the narrow font
  bool checkBox;      // its box stands left of the text
  SIZE room;          // the control's client area
};

std::vector<HWND> Children(HWND window) {
  std::vector<HWND> children;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM list) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return children;
}

HFONT FontOf(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

// Statics and buttons draw "&x" as an underlined x and "&&" as "&".
std::wstring DrawnText(const std::wstring& text) {
  std::wstring drawn;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && ++i == text.size()) break;
    drawn += text[i];
  }
  return drawn;
}

bool IsCheckBox(LONG_PTR style) {
  switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return true;
  }
  return false;
}

// Every static and button with a text, hidden or not: those of the other
// page and of the result display must fit as well.
std::vector<Caption> Captions(HWND window, const WindowFonts& fonts) {
  std::vector<Caption> captions;
  for (HWND child : Children(window)) {
    wchar_t className[16] = L"";
    GetClassNameW(child, className, 16);
    const bool isStatic = lstrcmpiW(className, L"Static") == 0;
    if (!isStatic && lstrcmpiW(className, L"Button") != 0) continue;
    wchar_t text[256] = L"";
    GetWindowTextW(child, text, 256);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    const std::wstring drawn = isStatic && (style & SS_NOPREFIX) != 0 ? text : DrawnText(text);
    if (drawn.empty()) continue;
    RECT client = {};
    GetClientRect(child, &client);
    captions.push_back({drawn,
                        FontOf(child) == fonts.narrow,
                        !isStatic && IsCheckBox(style),
                        {client.right - client.left, client.bottom - client.top}});
  }
  return captions;
}

bool Fits(HDC dc, const Caption& caption, HFONT font) {
  SelectObject(dc, font);
  SIZE extent = {};
  GetTextExtentPoint32W(dc, caption.text.c_str(), static_cast<int>(caption.text.size()), &extent);
  LONG room = caption.room.cx;
  if (caption.checkBox) {
    // The box, then half a digit's width of space before the text.
    INT digit = 0;
    GetCharWidth32W(dc, L'0', L'0', &digit);
    room -= GetSystemMetrics(SM_CXMENUCHECK) + digit / 2;
  }
  return extent.cx <= room && extent.cy <= caption.room.cy;
}

bool AllFit(HDC dc, const std::vector<Caption>& captions, const WindowFonts& fonts) {
  for (const Caption& caption : captions)
    if (!Fits(dc, caption, caption.narrow ? fonts.narrow : fonts.main)) return false;
  return true;
}

}  // namespace

bool FontFaceExists(HDC dc, const wchar_t* face) {
  LOGFONTW query = {};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(query.lfFaceName, face, LF_FACESIZE);
  bool found = false;
  EnumFontFamiliesExW(
      dc, &query,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

WindowFonts WindowFontsOfHeight(const wchar_t* face, LONG height) {
  // Rounded down: a narrow font a fraction of a pixel wider than its share
  // would cost the whole window a size for its longest label.
  return {MakeWindowFont(face, height, 0),
          MakeWindowFont(face, height, kNarrowFontWidth * height / kWindowFontHeight)};
}

void FitWindowFonts(HWND window, WindowFonts& fonts) {
  HDC dc = GetDC(window);
  const HGDIOBJ original = SelectObject(dc, fonts.main);
  const std::vector<Caption> captions = Captions(window, fonts);
  if (AllFit(dc, captions, fonts)) {
    SelectObject(dc, original);
    ReleaseDC(window, dc);
    return;
  }
  // Segoe UI by name keeps a font replacement working; without the family,
  // the face the system drew in its place exists.
  wchar_t face[LF_FACESIZE] = L"";
  if (FontFaceExists(dc, kWindowFace)) {
    lstrcpynW(face, kWindowFace, LF_FACESIZE);
  } else {
    SelectObject(dc, fonts.main);
    GetTextFaceW(dc, LF_FACESIZE, face);
  }

  WindowFonts fitted;
  for (LONG height = kWindowFontHeight + 1;; ++height) {
    fitted = WindowFontsOfHeight(face, height);
    if (height == -kSmallestHeight || AllFit(dc, captions, fitted)) break;
    DeleteWindowFonts(fitted);
  }
  SelectObject(dc, original);
  ReleaseDC(window, dc);

  for (HWND child : Children(window)) {
    const HFONT worn = FontOf(child);
    const HFONT replacement = worn == fonts.main     ? fitted.main
                              : worn == fonts.narrow ? fitted.narrow
                                                     : nullptr;
    if (replacement != nullptr)
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(replacement), TRUE);
  }
  DeleteWindowFonts(fonts);
  fonts = fitted;
}

}  // namespace corvanta
