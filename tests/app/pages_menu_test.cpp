// Pages, menu items, the hand/cut chooser's drawing, the spinners of the
// hob threads and the gear stock, and "Print ..." without a result, on the
// real window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/window_fixture.h"
#include "resources/resource.h"

namespace corvanta::testing {
namespace {

using PagesMenuTest = MainWindowFixture;

int Cell(int teeth) { return IDC_GEAR_STOCK_CELL_FIRST + teeth - 16; }
int CellSpinner(int teeth) { return IDC_GEAR_STOCK_SPINNER_FIRST + teeth - 16; }

TEST_F(PagesMenuTest, ChangeGearsPageSwapsTheControlsAndTheMenuItems) {
  Menu(IDM_CHANGE_GEARS_PAGE);
  for (int teeth : {16, 90, 169}) {
    EXPECT_TRUE(Visible(Cell(teeth))) << teeth;
    EXPECT_TRUE(Visible(CellSpinner(teeth))) << teeth;
    EXPECT_TRUE(Visible(IDC_GEAR_STOCK_CAPTION_FIRST + teeth - 16)) << teeth;
  }
  for (int id : {IDC_INDEX_CONST, IDC_SOLVE_BUTTON, IDC_HAND_CUT_CHOOSER, IDC_C_LINE, IDC_HOB_HEAD,
                 IDC_INDEX_UPPER_LEFT, IDC_LEAD_LINE})
    EXPECT_FALSE(Visible(id)) << id;
  EXPECT_FALSE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));
  EXPECT_TRUE(MenuEnabled(IDM_MAIN_PAGE));

  Menu(IDM_MAIN_PAGE);
  EXPECT_FALSE(Visible(Cell(16)));
  EXPECT_TRUE(Visible(IDC_INDEX_CONST));
  EXPECT_TRUE(Visible(IDC_HAND_CUT_CHOOSER));
  EXPECT_FALSE(Visible(IDC_RESULT_CAPTION));
  EXPECT_FALSE(MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_TRUE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));
}

TEST_F(PagesMenuTest, MainPageAtStartGreysItsItemAndRevalidates) {
  EnterJob("20", "10", 20);
  SetWindowTextA(Item(IDC_INDEX_CONST), "0");  // out of range, not yet validated
  ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  Menu(IDM_MAIN_PAGE);
  EXPECT_FALSE(MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
}

TEST_F(PagesMenuTest, SaveSettingsFollowsTheTwoConstantsWhenTheMenuIsUsed) {
  Retype(IDC_FEED_CONST, "");
  SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0);
  EXPECT_FALSE(MenuEnabled(IDM_SAVE_SETTINGS));
  Retype(IDC_FEED_CONST, "0.1");
  Retype(IDC_INDEX_CONST, "");
  SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0);
  EXPECT_FALSE(MenuEnabled(IDM_SAVE_SETTINGS));
  Retype(IDC_INDEX_CONST, "30");
  Retype(IDC_FEED_RATE, "");  // an empty feed rate is saved as it is
  SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0);
  EXPECT_TRUE(MenuEnabled(IDM_SAVE_SETTINGS));
}

TEST_F(PagesMenuTest, AboutLinesDoNothing) {
  EnterJob("20", "10", 20);
  for (int about : {IDM_ABOUT_CHECK_ACCURACY, IDM_ABOUT_EMAIL, IDM_ABOUT_VERSION}) Menu(about);
  EXPECT_TRUE(IsWindow(window_));
  EXPECT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_TRUE(Visible(IDC_INDEX_CONST));
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "20");
}

TEST_F(PagesMenuTest, MenuBarHoldsItsItemsWithTheirStartingStates) {
  HMENU bar = GetMenu(window_);
  ASSERT_EQ(GetMenuItemCount(bar), 4);
  wchar_t text[64] = L"";
  const wchar_t* expected[] = {L"&File", L"Main Page ...", L"Change-Gears Page ...", L"Help"};
  for (int position = 0; position < 4; ++position) {
    GetMenuStringW(bar, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    EXPECT_STREQ(text, expected[position]);
    EXPECT_TRUE(MenuBarItemEnabled(position)) << position;
  }
  HMENU help = GetSubMenu(bar, 3);
  HMENU about = GetSubMenu(help, 1);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(GetMenuItemCount(about), 8);
  GetMenuStringW(about, IDM_ABOUT_VERSION, text, 64, MF_BYCOMMAND);
  EXPECT_STREQ(text, L"Version 1.21.0.0");
  EXPECT_FALSE(MenuEnabled(IDM_PRINT));
  EXPECT_TRUE(MenuEnabled(IDM_EXIT));
}

TEST_F(PagesMenuTest, HobThreadsSpinnerStopsAtOneAndTwentyFour) {
  ClickSpinner(IDC_HOB_THREADS_SPINNER, false);
  EXPECT_EQ(Text(IDC_HOB_THREADS), "1");
  for (int i = 0; i < 30; ++i) ClickSpinner(IDC_HOB_THREADS_SPINNER, true);
  EXPECT_EQ(Text(IDC_HOB_THREADS), "24");
  ClickSpinner(IDC_HOB_THREADS_SPINNER, false);
  EXPECT_EQ(Text(IDC_HOB_THREADS), "23");
}

TEST_F(PagesMenuTest, GearStockSpinnersSetTheirCellBetweenZeroAndOne) {
  Menu(IDM_CHANGE_GEARS_PAGE);
  ASSERT_EQ(Text(Cell(95)), "0");
  ClickSpinner(CellSpinner(95), true);
  EXPECT_EQ(Text(Cell(95)), "1");
  ClickSpinner(CellSpinner(95), true);
  EXPECT_EQ(Text(Cell(95)), "1");
  ASSERT_EQ(Text(Cell(40)), "1");
  ClickSpinner(CellSpinner(40), false);
  EXPECT_EQ(Text(Cell(40)), "0");
  ClickSpinner(CellSpinner(40), false);
  EXPECT_EQ(Text(Cell(40)), "0");
  EXPECT_EQ(Text(Cell(41)), "1");  // its neighbour is untouched
}

TEST_F(PagesMenuTest, PrintWithoutAResultSaysPrintError) {
  const auto box = AnswerMessageBox([&] { Menu(IDM_PRINT); });
  ASSERT_TRUE(box.has_value()) << "no message box";
  EXPECT_EQ(box->caption, "Info");
  EXPECT_EQ(box->text, "Print error");
  EXPECT_TRUE(IsWindow(window_));
}

TEST_F(PagesMenuTest, ChooserRowsDrawTheirTextsInTheColumns) {
  // Draw row 5 into a bitmap of the row's size, through the window's own
  // WM_DRAWITEM, and look for ink in the columns that row fills.
  const int width = 530, height = 22;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldFont = SelectObject(
      dc, reinterpret_cast<HFONT>(SendMessageW(Item(IDC_HAND_CUT_CHOOSER), WM_GETFONT, 0, 0)));
  RECT all = {0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));

  auto inkBetween = [&](int from, int to) {
    const COLORREF background = GetSysColor(COLOR_WINDOW);
    for (int x = from; x < to; ++x)
      for (int y = 0; y < height; ++y)
        if (GetPixel(dc, x, y) != background) return true;
    return false;
  };

  DRAWITEMSTRUCT item = {};
  item.CtlType = ODT_COMBOBOX;
  item.CtlID = IDC_HAND_CUT_CHOOSER;
  item.itemID = 5;  // LH, LH, Climb, +, TG, 2, 1
  item.itemAction = ODA_DRAWENTIRE;
  item.hwndItem = Item(IDC_HAND_CUT_CHOOSER);
  item.hDC = dc;
  item.rcItem = all;
  SendMessageW(window_, WM_DRAWITEM, IDC_HAND_CUT_CHOOSER, reinterpret_cast<LPARAM>(&item));

  EXPECT_TRUE(inkBetween(23, 50));     // "LH" under "Hob"
  EXPECT_TRUE(inkBetween(172, 215));   // "Climb"
  EXPECT_FALSE(inkBetween(145, 170));  // no "Conventional" in a climb row
  EXPECT_TRUE(inkBetween(480, 495));   // feed studs "1"
  EXPECT_FALSE(inkBetween(500, 530));  // nothing right of the last column
  EXPECT_FALSE(inkBetween(0, 20));     // the row background is filled

  item.itemID = static_cast<UINT>(-1);  // an empty selection draws no text
  SendMessageW(window_, WM_DRAWITEM, IDC_HAND_CUT_CHOOSER, reinterpret_cast<LPARAM>(&item));
  EXPECT_FALSE(inkBetween(0, width));

  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

}  // namespace
}  // namespace corvanta::testing
