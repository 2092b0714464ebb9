// The real window as the operator first sees it: every control where it
// belongs, with its text, style, limits, lists, fonts and starting values.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "app/window_fixture.h"
#include "resources/resource.h"

namespace corvanta::testing {
namespace {

class WindowLayoutTest : public MainWindowFixture {
 protected:
  RECT ClientRect(int id) const {
    RECT frame = {};
    GetWindowRect(Item(id), &frame);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&frame), 2);
    return frame;
  }
  std::string ClassOf(int id) const {
    char name[64] = "";
    GetClassNameA(Item(id), name, sizeof name);
    return name;
  }
  LONG_PTR Style(int id) const { return GetWindowLongPtrW(Item(id), GWL_STYLE); }
};

TEST_F(WindowLayoutTest, ControlsStandWhereTheLayoutPutsThem) {
  struct Case {
    int id;
    const char* windowClass;
    int x, y, width, height;
  };
  const Case cases[] = {
      {IDC_INDEX_CONST, "Edit", 125, 4, 65, 24},
      {IDC_FEED_CONST, "Edit", 125, 34, 310, 24},
      {IDC_FEED_RATE, "Edit", 420, 4, 100, 24},
      {IDC_HELIX_ANGLE, "Edit", 125, 64, 310, 24},
      {IDC_NORMAL_DIAMETRAL_PITCH, "Edit", 150, 94, 310, 24},
      {IDC_HOB_THREADS, "Static", 292, 5, 22, 22},
      {IDC_HOB_THREADS_SPINNER, "msctls_updown32", 314, 5, 20, 22},
      {IDC_WHOLE_C_ONLY, "Button", 570, 185, 220, 22},
      {IDC_SOLVE_BUTTON, "Button", 555, 416, 80, 23},
      {IDC_EXIT_BUTTON, "Button", 650, 416, 80, 23},
      {IDC_NORMAL_DIAMETRAL_PITCH_LABEL, "Static", 0, 95, 147, 22},
      {IDC_NUMBER_OF_TEETH_LABEL, "Static", 12, 131, 110, 20},
      {IDC_C_LINE, "Static", 16, 243, 880, 22},
      {IDC_ACTUAL_FEED_TEXT, "Static", 525, 4, 268, 44},
      {IDC_INTERMEDIATE_STUDS_HEAD, "Static", 382, 137, 180, 24},
      {IDC_RESULT_CAPTION, "Static", 240, 218, 52, 22},
      {IDC_RESULT_SELECTOR, "msctls_updown32", 243, 416, 40, 20},
      {IDC_INDEX_UPPER_RIGHT, "Static", 124, 414, 28, 18},
      {IDC_FEED_LOWER_LEFT, "Static", 364, 437, 28, 18},
      // The first and the last gear-stock cell, with spinner and caption.
      {IDC_GEAR_STOCK_CELL_FIRST, "Static", 20, 35, 15, 22},
      {IDC_GEAR_STOCK_SPINNER_FIRST, "msctls_updown32", 36, 35, 15, 22},
      {IDC_GEAR_STOCK_CAPTION_FIRST, "Static", 52, 35, 30, 22},
      {IDC_GEAR_STOCK_CELL_FIRST + 153, "Static", 770, 425, 15, 22},
      {IDC_GEAR_STOCK_CELL_FIRST + 14, "Static", 95, 35, 15, 22},  // column 1 starts with 30
  };
  for (const Case& c : cases) {
    ASSERT_NE(Item(c.id), nullptr) << c.id;
    EXPECT_EQ(ClassOf(c.id), c.windowClass) << c.id;
    const RECT r = ClientRect(c.id);
    EXPECT_EQ(r.left, c.x) << c.id;
    EXPECT_EQ(r.top, c.y) << c.id;
    // Wine's vertical up-down controls keep a width of their own (16).
    const bool verticalSpinner =
        std::string(c.windowClass) == "msctls_updown32" && c.width < c.height;
    if (!verticalSpinner) {
      EXPECT_EQ(r.right - r.left, c.width) << c.id;
    }
    EXPECT_EQ(r.bottom - r.top, c.height) << c.id;
  }
  // The drop-down lists keep their place; their height is the system's.
  EXPECT_EQ(ClientRect(IDC_NUMBER_OF_TEETH).left, 125);
  EXPECT_EQ(ClientRect(IDC_HAND_CUT_CHOOSER).left, 32);
  EXPECT_EQ(ClientRect(IDC_HAND_CUT_CHOOSER).right, 562);
}

TEST_F(WindowLayoutTest, TextsAndStartingValues) {
  EXPECT_EQ(Text(IDC_INDEX_CONST), "30");
  EXPECT_EQ(Text(IDC_FEED_CONST), "0.075");
  EXPECT_EQ(Text(IDC_FEED_RATE), ".025");
  EXPECT_EQ(Text(IDC_HELIX_ANGLE), "");
  EXPECT_EQ(Text(IDC_HOB_THREADS), "1");
  EXPECT_EQ(Text(IDC_SOLVE_BUTTON), "&Solve");
  EXPECT_EQ(Text(IDC_EXIT_BUTTON), "E&xit");
  EXPECT_EQ(Text(IDC_WHOLE_C_ONLY), "Use Whole C Constants Only");
  EXPECT_EQ(Text(IDC_NORMAL_DIAMETRAL_PITCH_LABEL), "Normal Diametral Pitch:");
  EXPECT_EQ(Text(IDC_TYPE_OF_CUT_HEAD), "Type of Cut");
  EXPECT_EQ(Text(IDC_RESULT_CAPTION), "Result:");
  EXPECT_EQ(SendMessageW(Item(IDC_WHOLE_C_ONLY), BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON));
  // Only Index Const: refuses non-digits by style; the limits stop typing.
  EXPECT_NE(Style(IDC_INDEX_CONST) & ES_NUMBER, 0);
  EXPECT_EQ(Style(IDC_FEED_CONST) & ES_NUMBER, 0);
  const std::pair<int, int> limits[] = {{IDC_INDEX_CONST, 6},
                                        {IDC_FEED_CONST, 33},
                                        {IDC_FEED_RATE, 10},
                                        {IDC_HELIX_ANGLE, 33},
                                        {IDC_NORMAL_DIAMETRAL_PITCH, 33}};
  for (auto [id, limit] : limits)
    EXPECT_EQ(SendMessageW(Item(id), EM_GETLIMITTEXT, 0, 0), limit) << id;
  // No control takes part in dialog navigation.
  for (int id : {IDC_INDEX_CONST, IDC_SOLVE_BUTTON, IDC_WHOLE_C_ONLY, IDC_HAND_CUT_CHOOSER})
    EXPECT_EQ(Style(id) & WS_TABSTOP, 0) << id;
}

TEST_F(WindowLayoutTest, ListsHoldTheirItems) {
  HWND teeth = Item(IDC_NUMBER_OF_TEETH);
  EXPECT_EQ(SendMessageW(teeth, CB_GETCOUNT, 0, 0), 500);
  EXPECT_EQ(Selection(IDC_NUMBER_OF_TEETH), CB_ERR);
  wchar_t item[8] = L"";
  SendMessageW(teeth, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"1");
  SendMessageW(teeth, CB_GETLBTEXT, 499, reinterpret_cast<LPARAM>(item));
  EXPECT_STREQ(item, L"500");

  HWND chooser = Item(IDC_HAND_CUT_CHOOSER);
  EXPECT_EQ(SendMessageW(chooser, CB_GETCOUNT, 0, 0), 8);
  EXPECT_EQ(Selection(IDC_HAND_CUT_CHOOSER), 0);
  EXPECT_EQ(SendMessageW(chooser, CB_GETITEMHEIGHT, 0, 0), 22);
  EXPECT_NE(Style(IDC_HAND_CUT_CHOOSER) & CBS_OWNERDRAWFIXED, 0);
}

TEST_F(WindowLayoutTest, SpinnersHaveTheirRanges) {
  auto range = [&](int id) {
    int low = 0, high = 0;
    SendMessageW(Item(id), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    return std::make_pair(low, high);
  };
  EXPECT_EQ(range(IDC_HOB_THREADS_SPINNER), std::make_pair(1, 24));
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(Item(IDC_HOB_THREADS_SPINNER), UDM_GETBUDDY, 0, 0)),
            Item(IDC_HOB_THREADS));
  for (int cell : {0, 77, 153}) {
    EXPECT_EQ(range(IDC_GEAR_STOCK_SPINNER_FIRST + cell), std::make_pair(0, 1)) << cell;
    EXPECT_EQ(reinterpret_cast<HWND>(
                  SendMessageW(Item(IDC_GEAR_STOCK_SPINNER_FIRST + cell), UDM_GETBUDDY, 0, 0)),
              Item(IDC_GEAR_STOCK_CELL_FIRST + cell));
  }
  EXPECT_NE(Style(IDC_RESULT_SELECTOR) & UDS_HORZ, 0);
}

TEST_F(WindowLayoutTest, StartsOnTheMainPageWithNoResult) {
  for (int id : {IDC_INDEX_CONST, IDC_SOLVE_BUTTON, IDC_HOB_THREADS_SPINNER, IDC_HOB_HEAD,
                 IDC_C_LINE, IDC_PITCH_DIAMETER_LINE})
    EXPECT_TRUE(Visible(id)) << id;
  for (int id : {IDC_RESULT_SELECTOR, IDC_RESULT_CAPTION, IDC_INDEX_CAPTION, IDC_FEED_CAPTION})
    EXPECT_FALSE(Visible(id)) << id;
  for (int cell : {0, 153}) {
    EXPECT_FALSE(Visible(IDC_GEAR_STOCK_CELL_FIRST + cell));
    EXPECT_FALSE(Visible(IDC_GEAR_STOCK_SPINNER_FIRST + cell));
    EXPECT_FALSE(Visible(IDC_GEAR_STOCK_CAPTION_FIRST + cell));
  }
  EXPECT_EQ(Text(IDC_C_LINE), "");
  EXPECT_FALSE(MenuEnabled(IDM_PRINT));
  EXPECT_TRUE(MenuEnabled(IDM_SAVE_SETTINGS));
  EXPECT_TRUE(MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_TRUE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));
}

TEST_F(WindowLayoutTest, FontsAreSegoeUiAndTheTwoLongLabelsNarrow) {
  auto font = [&](int id) {
    LOGFONTW logical = {};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(Item(id), WM_GETFONT, 0, 0)), sizeof logical,
               &logical);
    return logical;
  };
  for (int id : {IDC_INDEX_CONST, IDC_SOLVE_BUTTON, IDC_HOB_HEAD, IDC_C_LINE,
                 IDC_GEAR_STOCK_CELL_FIRST, IDC_GEAR_STOCK_CAPTION_FIRST + 153}) {
    const LOGFONTW main = font(id);
    EXPECT_STREQ(main.lfFaceName, L"Segoe UI") << id;
    EXPECT_EQ(main.lfHeight, -16) << id;
    EXPECT_EQ(main.lfWidth, 0) << id;
    EXPECT_EQ(main.lfWeight, 100) << id;
    EXPECT_EQ(main.lfQuality, CLEARTYPE_QUALITY) << id;
  }
  for (int id : {IDC_NUMBER_OF_TEETH_LABEL, IDC_NORMAL_DIAMETRAL_PITCH_LABEL}) {
    EXPECT_STREQ(font(id).lfFaceName, L"Segoe UI") << id;
    EXPECT_EQ(font(id).lfWidth, 7) << id;
  }
}

class SavedStockTest : public MainWindowFixture {
 protected:
  AppSettings StartSettings() const override {
    AppSettings settings = DefaultAppSettings();
    settings.indexConstant = "40";
    settings.feedConstant = std::string(40, '1');  // longer than typing allows
    settings.gearStockText = "1021";               // short: its last character repeats
    return settings;
  }
};

TEST_F(SavedStockTest, CellsAndFieldsComeFromTheSettings) {
  EXPECT_EQ(Text(IDC_INDEX_CONST), "40");
  EXPECT_EQ(Text(IDC_FEED_CONST), std::string(40, '1'));
  const char* expected[] = {"1", "0", "0", "1", "1"};  // "2" is not owned
  for (int cell = 0; cell < 5; ++cell)
    EXPECT_EQ(Text(IDC_GEAR_STOCK_CELL_FIRST + cell), expected[cell]) << cell;
  EXPECT_EQ(Text(IDC_GEAR_STOCK_CELL_FIRST + 153), "1");
  EXPECT_EQ(Text(IDC_GEAR_STOCK_CAPTION_FIRST), "16");
  EXPECT_EQ(Text(IDC_GEAR_STOCK_CAPTION_FIRST + 153), "169");
}

}  // namespace
}  // namespace corvanta::testing
