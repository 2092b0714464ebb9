// The window's fonts and captions. In the project's Wine prefix, which has
// Segoe UI by a font replacement, the fonts are the window's own. In a stock
// prefix, which has no Segoe UI (stock_prefix_captions.sh runs the
// WindowCaptions cases there), each caption's text extent, in the font its
// control wears, fits the control's box.
#include <windows.h>

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <utility>
#include <vector>

#include "app/font_fallback.h"
#include "app/window_fixture.h"

namespace corvanta::testing {
namespace {

HFONT FontOf(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

LOGFONTW LogicalFontOf(HWND control) {
  LOGFONTW font = {};
  GetObjectW(FontOf(control), sizeof font, &font);
  return font;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

using WindowCaptions = MainWindowFixture;

// Statics and buttons of both pages and of the result display, hidden or
// not; a check box's text starts after its box and half a digit of space.
TEST_F(WindowCaptions, EveryCaptionFitsItsBox) {
  HDC dc = GetDC(window_);
  std::vector<std::string> clipped;
  int measured = 0;
  for (HWND child = GetWindow(window_, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = "";
    GetClassNameA(child, className, sizeof className);
    const bool button = lstrcmpiA(className, "Button") == 0;
    if (!button && lstrcmpiA(className, "Static") != 0) continue;
    wchar_t text[256] = L"";
    GetWindowTextW(child, text, 256);
    std::wstring drawn;  // without the mnemonic marks ("&Solve")
    for (const wchar_t* c = text; *c != L'\0'; ++c)
      if (*c != L'&') drawn += *c;
    if (drawn.empty()) continue;

    SelectObject(dc, FontOf(child));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, drawn.c_str(), static_cast<int>(drawn.size()), &extent);
    RECT box = {};
    GetClientRect(child, &box);
    if (button && (GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
      INT digit = 0;
      GetCharWidth32W(dc, L'0', L'0', &digit);
      box.left += GetSystemMetrics(SM_CXMENUCHECK) + digit / 2;
    }
    ++measured;
    if (extent.cx > box.right - box.left || extent.cy > box.bottom - box.top)
      clipped.push_back("\"" + Narrow(drawn) + "\" needs " + std::to_string(extent.cx) + "x" +
                        std::to_string(extent.cy) + ", has " +
                        std::to_string(box.right - box.left) + "x" +
                        std::to_string(box.bottom - box.top));
  }
  ReleaseDC(window_, dc);

  const LOGFONTW main = LogicalFontOf(Item(IDC_HOB_THREADS_LABEL));
  std::cout << "captions in \"" << Narrow(main.lfFaceName) << "\", height " << main.lfHeight
            << "\n";
  // Every gear-stock cell and its tooth count, the labels, heads and buttons.
  EXPECT_GE(measured, 2 * GEAR_STOCK_CELL_COUNT + 20);
  std::string list;
  for (const std::string& line : clipped) list += "\n  " + line;
  EXPECT_TRUE(clipped.empty()) << "clipped captions:" << list;
}

// The face the system put in place of Segoe UI, at most as large.
TEST_F(WindowCaptions, AreInAFaceTheSystemHas) {
  const LOGFONTW main = LogicalFontOf(Item(IDC_HOB_THREADS_LABEL));
  const LOGFONTW narrow = LogicalFontOf(Item(IDC_NORMAL_DIAMETRAL_PITCH_LABEL));
  EXPECT_STRNE(main.lfFaceName, L"Segoe UI");
  HDC dc = GetDC(window_);
  EXPECT_TRUE(FontFaceExists(dc, main.lfFaceName)) << Narrow(main.lfFaceName);
  ReleaseDC(window_, dc);
  EXPECT_GE(main.lfHeight, -16);
  EXPECT_STREQ(narrow.lfFaceName, main.lfFaceName);
  EXPECT_EQ(narrow.lfHeight, main.lfHeight);
  EXPECT_LE(narrow.lfWidth, 7);
  // The fields wear the captions' font too.
  EXPECT_EQ(FontOf(Item(IDC_HELIX_ANGLE)), FontOf(Item(IDC_HOB_THREADS_LABEL)));
}

using WindowFace = MainWindowFixture;

// Where the face exists, as in the project's prefix, nothing changes.
TEST_F(WindowFace, IsSegoeUiWhereItExists) {
  const LOGFONTW main = LogicalFontOf(Item(IDC_HOB_THREADS_LABEL));
  const LOGFONTW narrow = LogicalFontOf(Item(IDC_NORMAL_DIAMETRAL_PITCH_LABEL));
  EXPECT_STREQ(main.lfFaceName, L"Segoe UI");
  EXPECT_STREQ(narrow.lfFaceName, L"Segoe UI");
  EXPECT_EQ(std::pair(main.lfHeight, main.lfWidth), std::pair(-16L, 0L));
  EXPECT_EQ(std::pair(narrow.lfHeight, narrow.lfWidth), std::pair(-16L, 7L));
}

}  // namespace
}  // namespace corvanta::testing
