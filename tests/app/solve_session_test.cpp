// Whole Solves on the real window: the result shown, stepped through to
// both ends, dropped by every kind of edit, kept across the pages, and the
// window closed in the middle of a search.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <functional>

#include "app/beep.h"
#include "app/window_fixture.h"
#include "resources/resource.h"
#include "search/solve_driver.h"

namespace corvanta::testing {
namespace {

// The stock of 30 to 59 teeth; with the job of EnterSmallJob it gives six
// results within a fraction of a second.
std::string SmallStock() { return std::string(14, '0') + std::string(30, '1') + "0"; }

constexpr int kResultTexts[] = {IDC_INDEX_UPPER_LEFT,  IDC_INDEX_UPPER_RIGHT, IDC_INDEX_LOWER_LEFT,
                                IDC_INDEX_LOWER_RIGHT, IDC_FEED_UPPER_LEFT,   IDC_FEED_UPPER_RIGHT,
                                IDC_FEED_LOWER_LEFT,   IDC_FEED_LOWER_RIGHT,  IDC_C_LINE,
                                IDC_INDEX_ERROR_LINE,  IDC_FEED_ERROR_LINE,   IDC_ACTUAL_FEED_TEXT,
                                IDC_LEAD_LINE};

class SolveSessionTest : public MainWindowFixture {
 protected:
  AppSettings StartSettings() const override {
    AppSettings settings = DefaultAppSettings();
    settings.gearStockText = SmallStock();
    return settings;
  }

  void EnterSmallJob() { EnterJob("20", "10", 20); }

  void SolveSmallJob() {
    EnterSmallJob();
    ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
    Click(IDC_SOLVE_BUTTON);
    ASSERT_NE(Text(IDC_C_LINE), "") << "the small job found no result";
  }

  std::vector<std::string> ResultShown() const {
    std::vector<std::string> texts;
    for (int id : kResultTexts) texts.push_back(Text(id));
    return texts;
  }

  bool BarsPainted() {
    const COLORREF black = RGB(0, 0, 0);
    return ClientPixel(100, 436) == black && ClientPixel(400, 436) == black;
  }

  bool BarsErased() {
    const COLORREF face = GetSysColor(COLOR_3DFACE);
    return ClientPixel(100, 436) == face && ClientPixel(400, 436) == face;
  }

  void ExpectResultDropped(const char* cause) {
    EXPECT_EQ(Text(IDC_C_LINE), "") << cause;
    EXPECT_EQ(Text(IDC_LEAD_LINE), "") << cause;
    EXPECT_EQ(Text(IDC_INDEX_UPPER_LEFT), "") << cause;
    EXPECT_FALSE(Visible(IDC_RESULT_SELECTOR)) << cause;
    EXPECT_FALSE(Visible(IDC_RESULT_CAPTION)) << cause;
    EXPECT_FALSE(MenuEnabled(IDM_PRINT)) << cause;
    EXPECT_TRUE(ProgramSearchState().results.empty()) << cause;
    EXPECT_TRUE(BarsErased()) << cause;
  }
};

TEST_F(SolveSessionTest, SolveShowsTheFirstResultAndUnlocksTheWindow) {
  SolveSmallJob();
  EXPECT_EQ(Text(IDC_C_LINE), "C: 2279/70");
  EXPECT_EQ(Text(IDC_INDEX_ERROR_LINE), "Index Error: None");
  EXPECT_EQ(Text(IDC_FEED_ERROR_LINE), "Feed Error: -0.000000066263");
  EXPECT_EQ(Text(IDC_LEAD_LINE).rfind("Lead: ", 0), 0u);
  EXPECT_EQ(Text(IDC_ACTUAL_FEED_TEXT).rfind("Actual Feed From C: ", 0), 0u);
  for (int id : kResultTexts) EXPECT_NE(Text(id), "") << id;
  for (int id : {IDC_RESULT_SELECTOR, IDC_RESULT_CAPTION, IDC_INDEX_CAPTION, IDC_FEED_CAPTION})
    EXPECT_TRUE(Visible(id)) << id;
  EXPECT_EQ(ProgramSearchState().results.size(), 6u);
  EXPECT_EQ(SpinnerPosition(IDC_RESULT_SELECTOR), 1);
  EXPECT_TRUE(BarsPainted());

  // Unlocked, except "&Solve", which waits for the next validation.
  EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON));
  EXPECT_TRUE(Enabled(IDC_HELIX_ANGLE));
  EXPECT_TRUE(Enabled(IDC_HAND_CUT_CHOOSER));
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_TRUE(MenuEnabled(IDM_PRINT));
  for (int position = 0; position < 4; ++position) EXPECT_TRUE(MenuBarItemEnabled(position));
  EXPECT_TRUE(MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_TRUE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));

  // A key released without a change re-validates and keeps the result.
  SendMessageW(Item(IDC_FEED_RATE), WM_KEYUP, VK_SHIFT, static_cast<LPARAM>(0xC0000001));
  EXPECT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_EQ(Text(IDC_C_LINE), "C: 2279/70");
}

TEST_F(SolveSessionTest, SelectorStepsToBothEndsAndBeepsThere) {
  SolveSmallJob();
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
    EXPECT_EQ(SpinnerPosition(IDC_RESULT_SELECTOR), position);
    EXPECT_EQ(ResultShown(), shown[position - 1]) << "back at " << position;
  }
  EXPECT_EQ(Beeps().size(), 1u);

  ClickSpinner(IDC_RESULT_SELECTOR, false);  // before the first: again, beep
  EXPECT_EQ(SpinnerPosition(IDC_RESULT_SELECTOR), 1);
  EXPECT_EQ(ResultShown(), shown[0]);
  EXPECT_EQ(Beeps(), (std::vector<unsigned>{kEndOfListBeep, kEndOfListBeep}));
  EXPECT_TRUE(BarsPainted());
}

TEST_F(SolveSessionTest, EveryEditDropsTheResultButKeepsTheGeometry) {
  struct Edit {
    const char* cause;
    std::function<void()> act;
  };
  const Edit edits[] = {
      {"a digit typed", [&] { Type(IDC_FEED_RATE, "0"); }},
      {"Backspace", [&] { Type(IDC_FEED_CONST, "\b"); }},
      {"a point typed", [&] { Type(IDC_HELIX_ANGLE, "."); }},
      {"a paste",
       [&] {
         SetClipboard("5");
         ChoosePopupItem(IDC_FEED_RATE, 2);
       }},
      {"a new tooth count", [&] { Choose(IDC_NUMBER_OF_TEETH, 20); }},
      {"a new set-up row", [&] { Choose(IDC_HAND_CUT_CHOOSER, 3); }},
      {"the whole-C box", [&] { Click(IDC_WHOLE_C_ONLY); }},
      {"the hob threads", [&] { ClickSpinner(IDC_HOB_THREADS_SPINNER, true); }},
      {"a gear-stock cell",
       [&] {
         Menu(IDM_CHANGE_GEARS_PAGE);
         ClickSpinner(IDC_GEAR_STOCK_SPINNER_FIRST + 70, true);
         Menu(IDM_MAIN_PAGE);
       }},
  };
  for (const Edit& edit : edits) {
    // A fresh window for each edit.
    TearDown();
    SetUp();
    SolveSmallJob();
    const std::string geometry = Text(IDC_PITCH_DIAMETER_LINE);
    edit.act();
    ExpectResultDropped(edit.cause);
    if (std::string(edit.cause) != "a new tooth count") {
      EXPECT_EQ(Text(IDC_PITCH_DIAMETER_LINE), geometry) << edit.cause;
    }
  }
}

TEST_F(SolveSessionTest, ResultAndBarsComeBackWithTheMainPage) {
  SolveSmallJob();
  const std::vector<std::string> result = ResultShown();
  Menu(IDM_CHANGE_GEARS_PAGE);
  EXPECT_FALSE(Visible(IDC_RESULT_CAPTION));
  EXPECT_FALSE(Visible(IDC_LEAD_LINE));
  EXPECT_TRUE(BarsErased());
  Menu(IDM_MAIN_PAGE);
  for (int id : {IDC_RESULT_SELECTOR, IDC_RESULT_CAPTION, IDC_LEAD_LINE, IDC_FEED_LOWER_RIGHT})
    EXPECT_TRUE(Visible(id)) << id;
  EXPECT_EQ(ResultShown(), result);
  EXPECT_TRUE(BarsPainted());
  EXPECT_TRUE(MenuEnabled(IDM_PRINT));
}

TEST_F(SolveSessionTest, WindowIsLockedWhileTheSearchRuns) {
  // The default stock keeps the search busy long enough to look at it.
  Menu(IDM_CHANGE_GEARS_PAGE);
  for (int teeth = 60; teeth <= 90; ++teeth)
    ClickSpinner(IDC_GEAR_STOCK_SPINNER_FIRST + teeth - 16, true);
  Menu(IDM_MAIN_PAGE);
  EnterSmallJob();

  static MainWindowFixture* self;
  static bool looked;
  static bool exitEnabled, solveEnabled, fieldEnabled, menuBarEnabled;
  static std::string status;
  self = this;
  looked = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (looked) return;
    looked = true;
    KillTimer(nullptr, id);
    exitEnabled = self->Enabled(IDC_EXIT_BUTTON);
    solveEnabled = self->Enabled(IDC_SOLVE_BUTTON);
    fieldEnabled = self->Enabled(IDC_HELIX_ANGLE);
    menuBarEnabled = self->MenuBarItemEnabled(0) || self->MenuBarItemEnabled(2);
    status = self->Text(IDC_C_LINE);
  });
  ASSERT_NE(timer, 0u);
  Click(IDC_SOLVE_BUTTON);
  KillTimer(nullptr, timer);
  ASSERT_TRUE(looked) << "the search ended before the window could be looked at";
  EXPECT_FALSE(exitEnabled);
  EXPECT_FALSE(solveEnabled);
  EXPECT_FALSE(fieldEnabled);
  EXPECT_FALSE(menuBarEnabled);
  EXPECT_NE(status, "");  // "Finding ..." or the workers' progress
  EXPECT_NE(Text(IDC_C_LINE), "");
  EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON));
}

TEST_F(SolveSessionTest, ClosingDuringASearchStopsItThenClosesTheWindow) {
  Menu(IDM_CHANGE_GEARS_PAGE);
  for (int teeth = 60; teeth <= 90; ++teeth)
    ClickSpinner(IDC_GEAR_STOCK_SPINNER_FIRST + teeth - 16, true);
  Menu(IDM_MAIN_PAGE);
  EnterSmallJob();
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

// Texts the range checks let through but that hold no usable number: the
// search must end, with or without results, and leave a working window.
TEST_F(SolveSessionTest, OddButAcceptedFieldsEndTheSearchCleanly) {
  struct Case {
    int field;
    const char* text;
  };
  const Case cases[] = {{IDC_FEED_CONST, "0"}, {IDC_FEED_CONST, "."}, {IDC_FEED_RATE, "."},
                        {IDC_FEED_RATE, "0"},  {IDC_FEED_RATE, ""},   {IDC_INDEX_CONST, "120"}};
  for (const Case& c : cases) {
    TearDown();
    SetUp();
    EnterSmallJob();
    Retype(c.field, c.text);
    ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON)) << c.field << " \"" << c.text << "\"";
    Click(IDC_SOLVE_BUTTON);
    EXPECT_TRUE(IsWindow(window_)) << c.field << " \"" << c.text << "\"";
    EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON)) << c.field << " \"" << c.text << "\"";
    EXPECT_TRUE(Enabled(IDC_HELIX_ANGLE)) << c.field << " \"" << c.text << "\"";
    for (int position = 0; position < 4; ++position) EXPECT_TRUE(MenuBarItemEnabled(position));
    EXPECT_EQ(Text(c.field), c.text);
  }
}

TEST_F(SolveSessionTest, NoGearInStockGivesNoResultAndPrintRefuses) {
  Menu(IDM_CHANGE_GEARS_PAGE);
  for (int teeth = 30; teeth <= 59; ++teeth)
    ClickSpinner(IDC_GEAR_STOCK_SPINNER_FIRST + teeth - 16, false);
  Menu(IDM_MAIN_PAGE);
  EnterSmallJob();
  Click(IDC_SOLVE_BUTTON);
  EXPECT_TRUE(ProgramSearchState().results.empty());
  EXPECT_EQ(Text(IDC_C_LINE), "");
  EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON));
  EXPECT_TRUE(MenuEnabled(IDM_PRINT));

  const auto box = AnswerMessageBox([&] { Menu(IDM_PRINT); });
  ASSERT_TRUE(box.has_value()) << "no message box";
  EXPECT_EQ(box->text, "Print error");
}

}  // namespace
}  // namespace corvanta::testing
