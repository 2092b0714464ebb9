// The real window's pages and menu items, and whole Solves on it: the
// result shown, stepped through to both ends, dropped by an edit, kept
// across the pages, and the window locked, or closed, while a search runs.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/window_fixture.h"
#include "search/solve_driver.h"

namespace corvanta::testing {
namespace {

int Cell(int teeth) { return IDC_GEAR_STOCK_CELL_FIRST + teeth - 16; }
int CellSpinner(int teeth) { return IDC_GEAR_STOCK_SPINNER_FIRST + teeth - 16; }

constexpr int kResultTexts[] = {IDC_INDEX_UPPER_LEFT,  IDC_INDEX_UPPER_RIGHT, IDC_INDEX_LOWER_LEFT,
                                IDC_INDEX_LOWER_RIGHT, IDC_FEED_UPPER_LEFT,   IDC_FEED_UPPER_RIGHT,
                                IDC_FEED_LOWER_LEFT,   IDC_FEED_LOWER_RIGHT,  IDC_C_LINE,
                                IDC_INDEX_ERROR_LINE,  IDC_FEED_ERROR_LINE,   IDC_ACTUAL_FEED_TEXT,
                                IDC_LEAD_LINE};

class SolveSessionTest : public MainWindowFixture {
 protected:
  // A stock of 30 to 59 teeth: the small job gives six results at once.
  AppSettings StartSettings() const override {
    AppSettings settings = DefaultAppSettings();
    settings.gearStockText = std::string(14, '0') + std::string(30, '1') + "0";
    return settings;
  }

  void SolveSmallJob() {
    EnterJob("20", "10", 20);
    ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
    Click(IDC_SOLVE_BUTTON);
    ASSERT_NE(Text(IDC_C_LINE), "") << "the small job found no result";
  }

  // Gears 60 to 90 as well: the search then runs long enough to watch it.
  void EnterLongJob() {
    Menu(IDM_CHANGE_GEARS_PAGE);
    for (int teeth = 60; teeth <= 90; ++teeth) ClickSpinner(CellSpinner(teeth), true);
    Menu(IDM_MAIN_PAGE);
    EnterJob("20", "10", 20);
  }

  std::vector<std::string> ResultShown() const {
    std::vector<std::string> texts;
    for (int id : kResultTexts) texts.push_back(Text(id));
    return texts;
  }

  // The two fraction bars under the index and feed trains.
  bool Bars(COLORREF colour) {
    return ClientPixel(100, 436) == colour && ClientPixel(400, 436) == colour;
  }
};

using PagesMenuTest = MainWindowFixture;

TEST_F(PagesMenuTest, StartsOnTheMainPageAndThePagesSwapTheControlsAndTheirItems) {
  EXPECT_EQ(SendMessageW(Item(IDC_NUMBER_OF_TEETH), CB_GETCOUNT, 0, 0), 500);
  EXPECT_EQ(SendMessageW(Item(IDC_NUMBER_OF_TEETH), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(SendMessageW(Item(IDC_HAND_CUT_CHOOSER), CB_GETCOUNT, 0, 0), 8);
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_FALSE(Visible(Cell(16)) || Visible(IDC_RESULT_CAPTION));
  EXPECT_TRUE(MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_TRUE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));

  Menu(IDM_CHANGE_GEARS_PAGE);
  for (int id : {Cell(16), Cell(169), CellSpinner(16), IDC_GEAR_STOCK_CAPTION_FIRST})
    EXPECT_TRUE(Visible(id)) << id;
  for (int id : {IDC_INDEX_CONST, IDC_SOLVE_BUTTON, IDC_HAND_CUT_CHOOSER, IDC_C_LINE, IDC_HOB_HEAD})
    EXPECT_FALSE(Visible(id)) << id;
  EXPECT_FALSE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));
  EXPECT_TRUE(MenuEnabled(IDM_MAIN_PAGE));

  // Without a result the main page re-validates the job.
  EnterJob("20", "10", 20);
  SetWindowTextA(Item(IDC_INDEX_CONST), "0");
  ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  Menu(IDM_MAIN_PAGE);
  EXPECT_FALSE(Visible(Cell(16)));
  EXPECT_TRUE(Visible(IDC_INDEX_CONST) && Visible(IDC_HAND_CUT_CHOOSER));
  EXPECT_FALSE(Visible(IDC_RESULT_CAPTION));
  EXPECT_FALSE(MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_TRUE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
}

TEST_F(PagesMenuTest, MenuItemsStartInTheirStatesAndSaveNeedsBothConstants) {
  ASSERT_EQ(GetMenuItemCount(GetMenu(window_)), 4);
  for (int position = 0; position < 4; ++position) EXPECT_TRUE(MenuBarItemEnabled(position));
  EXPECT_FALSE(MenuEnabled(IDM_PRINT));
  EXPECT_TRUE(MenuEnabled(IDM_EXIT));
  EXPECT_TRUE(MenuEnabled(IDM_SAVE_SETTINGS));

  const struct {
    const char *index, *feed;
    bool save;
  } cases[] = {{"30", "", false}, {"", "0.1", false}, {"30", "0.1", true}};
  for (const auto& c : cases) {
    Retype(IDC_INDEX_CONST, c.index);
    Retype(IDC_FEED_CONST, c.feed);
    SendMessageW(window_, WM_MENUSELECT, MAKEWPARAM(0, MF_POPUP), 0);  // the menu is used
    EXPECT_EQ(MenuEnabled(IDM_SAVE_SETTINGS), c.save) << "\"" << c.index << "\" \"" << c.feed;
  }
}

TEST_F(SolveSessionTest, SolveShowsTheResultStepsToBothEndsAndKeepsItAcrossPages) {
  SolveSmallJob();
  EXPECT_EQ(Text(IDC_C_LINE), "C: 2279/70");
  EXPECT_EQ(Text(IDC_INDEX_ERROR_LINE), "Index Error: None");
  EXPECT_EQ(Text(IDC_FEED_ERROR_LINE), "Feed Error: -0.000000066263");
  EXPECT_EQ(Text(IDC_LEAD_LINE).rfind("Lead: ", 0), 0u);
  for (int id : kResultTexts) EXPECT_NE(Text(id), "") << id;
  for (int id : {IDC_RESULT_SELECTOR, IDC_RESULT_CAPTION, IDC_INDEX_CAPTION, IDC_FEED_CAPTION})
    EXPECT_TRUE(Visible(id)) << id;
  EXPECT_EQ(ProgramSearchState().results.size(), 6u);
  EXPECT_TRUE(Bars(RGB(0, 0, 0)));
  EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON));
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));  // until the next validation

  std::vector<std::vector<std::string>> shown = {ResultShown()};
  for (int position = 2; position <= 6; ++position) {
    ClickSpinner(IDC_RESULT_SELECTOR, true);
    EXPECT_EQ(SpinnerPosition(IDC_RESULT_SELECTOR), position);
    shown.push_back(ResultShown());
    EXPECT_NE(shown[position - 1], shown[position - 2]) << "result " << position;
  }
  EXPECT_TRUE(Beeps().empty());
  ClickSpinner(IDC_RESULT_SELECTOR, true);  // past the last: beep, keep it
  EXPECT_EQ(SpinnerPosition(IDC_RESULT_SELECTOR), 6);
  EXPECT_EQ(ResultShown(), shown[5]);
  EXPECT_EQ(Beeps(), std::vector<unsigned>{kEndOfListBeep});
  for (int position = 5; position >= 1; --position) {
    ClickSpinner(IDC_RESULT_SELECTOR, false);
    EXPECT_EQ(ResultShown(), shown[position - 1]) << "back at " << position;
  }
  ClickSpinner(IDC_RESULT_SELECTOR, false);  // before the first: beep again
  EXPECT_EQ(SpinnerPosition(IDC_RESULT_SELECTOR), 1);
  EXPECT_EQ(ResultShown(), shown[0]);
  EXPECT_EQ(Beeps(), (std::vector<unsigned>{kEndOfListBeep, kEndOfListBeep}));

  // The other page hides the result and its bars; the main page brings
  // them back as they were.
  Menu(IDM_CHANGE_GEARS_PAGE);
  EXPECT_FALSE(Visible(IDC_RESULT_CAPTION) || Visible(IDC_LEAD_LINE));
  EXPECT_TRUE(Bars(GetSysColor(COLOR_3DFACE)));
  Menu(IDM_MAIN_PAGE);
  for (int id : {IDC_RESULT_SELECTOR, IDC_RESULT_CAPTION, IDC_LEAD_LINE, IDC_FEED_LOWER_RIGHT})
    EXPECT_TRUE(Visible(id)) << id;
  EXPECT_EQ(ResultShown(), shown[0]);
  EXPECT_TRUE(Bars(RGB(0, 0, 0)));
  EXPECT_TRUE(MenuEnabled(IDM_PRINT));
}

TEST_F(SolveSessionTest, EveryKindOfEditDropsTheResult) {
  const std::pair<const char*, std::function<void()>> edits[] = {
      {"a digit typed", [&] { Type(IDC_FEED_RATE, "0"); }},
      {"a paste",
       [&] {
         SetClipboard("5");
         SendMessageW(Item(IDC_FEED_RATE), WM_COMMAND, 2, 0);  // the popup's "Paste"
         Pump();
       }},
      {"a new tooth count", [&] { Choose(IDC_NUMBER_OF_TEETH, 20); }},
      {"a new set-up row", [&] { Choose(IDC_HAND_CUT_CHOOSER, 3); }},
      {"the whole-C box", [&] { Click(IDC_WHOLE_C_ONLY); }},
      {"the hob threads", [&] { ClickSpinner(IDC_HOB_THREADS_SPINNER, true); }},
      {"a gear-stock cell",
       [&] {
         Menu(IDM_CHANGE_GEARS_PAGE);
         ClickSpinner(CellSpinner(86), true);
         Menu(IDM_MAIN_PAGE);
       }},
  };
  for (const auto& [cause, act] : edits) {
    TearDown();
    SetUp();
    SolveSmallJob();
    act();
    EXPECT_EQ(Text(IDC_C_LINE), "") << cause;
    EXPECT_EQ(Text(IDC_INDEX_UPPER_LEFT), "") << cause;
    EXPECT_FALSE(Visible(IDC_RESULT_SELECTOR)) << cause;
    EXPECT_FALSE(MenuEnabled(IDM_PRINT)) << cause;
    EXPECT_TRUE(ProgramSearchState().results.empty()) << cause;
    EXPECT_TRUE(Bars(GetSysColor(COLOR_3DFACE))) << cause;
    EXPECT_NE(Text(IDC_PITCH_DIAMETER_LINE), "") << cause;  // the geometry stays
  }
}

TEST_F(SolveSessionTest, WindowIsLockedWhileTheSearchRuns) {
  EnterLongJob();
  static MainWindowFixture* self;
  static std::optional<std::vector<bool>> enabled;  // Exit, Solve, a field, the menu bar
  self = this;
  enabled.reset();
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    if (!enabled)
      enabled = {self->Enabled(IDC_EXIT_BUTTON), self->Enabled(IDC_SOLVE_BUTTON),
                 self->Enabled(IDC_HELIX_ANGLE),
                 self->MenuBarItemEnabled(0) || self->MenuBarItemEnabled(2)};
  });
  Click(IDC_SOLVE_BUTTON);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(enabled.has_value()) << "the search ended before the window could be looked at";
  EXPECT_EQ(*enabled, std::vector<bool>(4, false));
  EXPECT_NE(Text(IDC_C_LINE), "");
  EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON));
  for (int position = 0; position < 4; ++position) EXPECT_TRUE(MenuBarItemEnabled(position));
}

TEST_F(SolveSessionTest, ClosingDuringASearchStopsItThenClosesTheWindow) {
  EnterLongJob();
  // Alt+F4 arrives as WM_CLOSE while the search dispatches messages. (No
  // Pump() after the click: it would take the quit message away.)
  PostMessageW(window_, WM_CLOSE, 0, 0);
  SendMessageW(Item(IDC_SOLVE_BUTTON), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(SolveRunning(ProgramSearchState()));
  EXPECT_TRUE(ProgramSearchState().results.empty());  // freed with the window
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "the program's loop would not end";
  window_ = nullptr;
}

}  // namespace
}  // namespace corvanta::testing
