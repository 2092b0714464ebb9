// The window's fonts and captions, in whichever Wine prefix runs them: the
// project's, which draws Segoe UI in Lato by a font replacement, and a stock
// one without Segoe UI (stock_prefix_captions.sh runs the WindowCaptions
// cases there). Each caption's text extent, in the font its control wears,
// fits the control's box.
#include "app/font_fitting.h"
#include "tests/app/window_fixture.h"

namespace corvanta::testing {
namespace {

HFONT FontOf(HWND control) {
  return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

LOGFONTW LogicalFont(HFONT font) {
  LOGFONTW logical = {};
  GetObjectW(font, sizeof logical, &logical);
  return logical;
}

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// The captions of `parent`'s statics and buttons, hidden or not, that would
// not fit their boxes in the font each control wears, a line
// each: "text" needs WxH, has WxH; `measured` counts the captions. A check
// box's text starts after its box and half a digit of space.
std::string ClippedCaptions(HWND parent, int* measured) {
  HDC dc = GetDC(parent);
  const HGDIOBJ original = GetCurrentObject(dc, OBJ_FONT);
  std::string clipped;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
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
    ++*measured;
    if (extent.cx > box.right - box.left || extent.cy > box.bottom - box.top)
      clipped += "\n  \"" + Narrow(drawn) + "\" needs " + std::to_string(extent.cx) + "x" +
                 std::to_string(extent.cy) + ", has " + std::to_string(box.right - box.left) + "x" +
                 std::to_string(box.bottom - box.top);
  }
  SelectObject(dc, original);
  ReleaseDC(parent, dc);
  return clipped;
}

using WindowCaptions = MainWindowFixture;

// Every gear-stock cell and its tooth count, the labels, heads and buttons
// of the main page and the captions of the result display fit their boxes.
// Their font: Segoe UI by name wherever the system has that family (so that
// a font replacement applies) or the window's own fonts fit, else a face it
// has; both fonts of one face and height.
TEST_F(WindowCaptions, FitInTheirFace) {
  int measured = 0;
  EXPECT_EQ(ClippedCaptions(window_, &measured), "") << "clipped captions";
  EXPECT_GE(measured, 2 * GEAR_STOCK_CELL_COUNT + 20);

  const LOGFONTW main = LogicalFont(FontOf(Item(IDC_HOB_THREADS_LABEL)));
  const LOGFONTW narrow = LogicalFont(FontOf(Item(IDC_NORMAL_DIAMETRAL_PITCH_LABEL)));
  HDC dc = GetDC(window_);
  if (FontFaceExists(dc, kWindowFace) || main.lfHeight == kWindowFontHeight) {
    EXPECT_STREQ(main.lfFaceName, kWindowFace);
  } else {
    EXPECT_TRUE(FontFaceExists(dc, main.lfFaceName)) << Narrow(main.lfFaceName);
  }
  ReleaseDC(window_, dc);
  EXPECT_STREQ(narrow.lfFaceName, main.lfFaceName);
  EXPECT_EQ(narrow.lfHeight, main.lfHeight);
  // The fields wear the captions' font too.
  EXPECT_EQ(FontOf(Item(IDC_HELIX_ANGLE)), FontOf(Item(IDC_HOB_THREADS_LABEL)));
}

}  // namespace
}  // namespace corvanta::testing
