// Whole Solves on the real window: the result shown, stepped through to
// both ends, kept across the pages with their menu items (also one whose
// "C: " line is empty), the workers' progress texts, and the window closed
// while a search runs. (A Solve command for a job the validation refuses is
// tested on the in-memory controls, which run under Wine too.)
#include <chrono>

#include "app/win32_controls.h"
#include "app/win32_solve_platform.h"
#include "tests/app/window_fixture.h"
#include "window_model/solve_session.h"

namespace corvanta::testing {
namespace {

int Cell(int teeth) { return IDC_GEAR_STOCK_CELL_FIRST + teeth - 16; }
int CellSpinner(int teeth) { return IDC_GEAR_STOCK_SPINNER_FIRST + teeth - 16; }

constexpr int kResultTexts[] = {IDC_INDEX_UPPER_LEFT, IDC_FEED_LOWER_RIGHT, IDC_C_LINE,
                                IDC_FEED_ERROR_LINE, IDC_LEAD_LINE};

class SolveSessionTest : public SmallStockFixture {
 protected:
  // Row 436 of the client area from x 80 to 439, after any repaint due:
  // '#' where it is inked, '.' where not.
  std::string BarRow() const {
    UpdateWindow(window_);
    HDC dc = GetDC(window_);
    std::string row;
    for (int x = 80; x < 440; ++x) {
      const COLORREF pixel = GetPixel(dc, x, 436);
      row += GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 3 * 128 ? '#' : '.';
    }
    ReleaseDC(window_, dc);
    return row;
  }

  std::vector<std::string> ResultShown() const {
    std::vector<std::string> texts;
    for (int id : kResultTexts) texts.push_back(Text(id));
    return texts;
  }
};

TEST_F(SolveSessionTest, SolveShowsTheResultStepsToBothEndsAndKeepsItAcrossPages) {
  EXPECT_FALSE(MenuEnabled(IDM_PRINT));
  SolveSmallJob();
  EXPECT_EQ(Text(IDC_C_LINE), "C: 2279/70");
  EXPECT_EQ(Text(IDC_FEED_ERROR_LINE), "Feed Error: -0.000000066263");
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));  // until the next validation

  // Six clicks up, the last one past the end (a beep, the last result
  // stays), then six down, the last one before the first (a beep again).
  const int positions[] = {2, 3, 4, 5, 6, 6, 5, 4, 3, 2, 1, 1};
  std::vector<std::vector<std::string>> shown = {ResultShown()};
  for (int click = 0; click < 12; ++click) {
    SCOPED_TRACE("click " + std::to_string(click + 1));
    ClickSpinner(IDC_RESULT_SELECTOR, click < 6);
    const int position = positions[click];
    EXPECT_EQ(SpinnerPosition(IDC_RESULT_SELECTOR), position);
    if (shown.size() < static_cast<std::size_t>(position)) shown.push_back(ResultShown());
    EXPECT_EQ(ResultShown(), shown[position - 1]);
    EXPECT_EQ(Beeps(), std::vector<unsigned>(click < 5 ? 0 : click < 11 ? 1 : 2, kEndOfListBeep));
  }
  for (std::size_t k = 1; k < shown.size(); ++k) EXPECT_NE(shown[k], shown[k - 1]) << k + 1;

  // The other page hides the result and greys its own menu item; the main
  // page brings the result back as it was.
  Menu(IDM_CHANGE_GEARS_PAGE);
  EXPECT_FALSE(Visible(IDC_RESULT_CAPTION) || Visible(IDC_LEAD_LINE));
  EXPECT_TRUE(Visible(Cell(16)) && MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_FALSE(MenuEnabled(IDM_CHANGE_GEARS_PAGE));
  Menu(IDM_MAIN_PAGE);
  EXPECT_TRUE(Visible(IDC_RESULT_SELECTOR) && Visible(IDC_LEAD_LINE));
  EXPECT_FALSE(Visible(Cell(16)) || MenuEnabled(IDM_MAIN_PAGE));
  EXPECT_EQ(ResultShown(), shown[0]);
  EXPECT_TRUE(MenuEnabled(IDM_PRINT) && MenuEnabled(IDM_CHANGE_GEARS_PAGE));

  // The bars under the upper gears, drawn up to their last pixel; a change
  // of the job takes all of them away again.
  const std::string dots(360, '.');
  std::string bars = dots;
  bars.replace(84 - 80, 154 - 84, 154 - 84, '#');
  bars.replace(363 - 80, 435 - 363, 435 - 363, '#');
  EXPECT_EQ(BarRow(), bars);
  Retype(IDC_HELIX_ANGLE, "21");
  EXPECT_EQ(Text(IDC_C_LINE), "");
  EXPECT_EQ(BarRow(), dots);

  // Without a result the main page re-validates the job: "&Solve" is
  // enabled here by hand, out of step with the fields.
  Retype(IDC_INDEX_CONST, "0");
  Menu(IDM_CHANGE_GEARS_PAGE);
  EnableWindow(Item(IDC_SOLVE_BUTTON), TRUE);
  Menu(IDM_MAIN_PAGE);
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
}

// A worker's progress text is left for the window's thread, which shows it
// when it pumps its messages: the worker never waits for it. A text left
// after the last pump of a Solve is out of date and dropped.
TEST_F(SolveSessionTest, AWorkersProgressTextWaitsForNothing) {
  Win32SolvePlatform platform(window_);
  const auto postFromAWorker = [&](const char* text) {
    HANDLE posted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(platform.StartWorker([this, posted, text] {
      Win32Controls(window_).SetText(IDC_C_LINE, text);
      SetEvent(posted);
    }));
    // No message of this thread is taken meanwhile.
    EXPECT_EQ(WaitForSingleObject(posted, 5000), WAIT_OBJECT_0);
    while (!platform.WaitForWorkers(std::chrono::milliseconds(100))) continue;
    CloseHandle(posted);
  };
  postFromAWorker("Processing 100");
  EXPECT_EQ(Text(IDC_C_LINE), "");
  EXPECT_TRUE(platform.PumpMessages());
  EXPECT_EQ(Text(IDC_C_LINE), "Processing 100");

  postFromAWorker("Processing 200");
  platform.CloseWorkers();
  EXPECT_TRUE(platform.PumpMessages());
  EXPECT_EQ(Text(IDC_C_LINE), "Processing 100");
}

// Every gear owned, index constant 40, feed constant 12: on the job below,
// result 1 has a C with no small fraction, so its "C: " line is empty.
class EmptyCLineTest : public SolveSessionTest {
 protected:
  AppSettings StartSettings() const override {
    return {"40", "12", ".025", std::string(kGearStockTextMaxLength, '1')};
  }
};

TEST_F(EmptyCLineTest, AResultWithAnEmptyCLineIsKeptAcrossPages) {
  EnterJob("6.60", "2.5", 273);
  for (int click = 0; click < 4; ++click) ClickSpinner(IDC_HOB_THREADS_SPINNER, true);
  ASSERT_EQ(Text(IDC_HOB_THREADS), "5");
  Choose(IDC_HAND_CUT_CHOOSER, 3);
  ASSERT_TRUE(Enabled(IDC_SOLVE_BUTTON));
  Click(IDC_SOLVE_BUTTON);
  ASSERT_EQ(Text(IDC_INDEX_UPPER_LEFT), "97");
  ASSERT_EQ(Text(IDC_C_LINE), "");
  const std::vector<std::string> shown = ResultShown();
  const std::string bars = BarRow();
  EXPECT_NE(bars, std::string(360, '.'));

  Menu(IDM_CHANGE_GEARS_PAGE);
  Menu(IDM_MAIN_PAGE);
  EXPECT_TRUE(Visible(IDC_RESULT_CAPTION) && Visible(IDC_RESULT_SELECTOR) &&
              Visible(IDC_INDEX_UPPER_LEFT));
  EXPECT_EQ(ResultShown(), shown);
  EXPECT_EQ(BarRow(), bars);
  EXPECT_FALSE(Enabled(IDC_SOLVE_BUTTON));
  EXPECT_TRUE(MenuEnabled(IDM_PRINT));
}

TEST_F(SolveSessionTest, ClosingDuringASearchStopsItThenClosesTheWindow) {
  // Gears 60 to 90 as well: the search then runs long enough to watch it.
  Menu(IDM_CHANGE_GEARS_PAGE);
  for (int teeth = 60; teeth <= 90; ++teeth) ClickSpinner(CellSpinner(teeth), true);
  Menu(IDM_MAIN_PAGE);
  EnterJob("20", "10", 20);
  // Alt+F4 arrives as WM_CLOSE while the search dispatches messages. (No
  // Pump() after the click: it would take the quit message away.)
  PostMessageW(window_, WM_CLOSE, 0, 0);
  SendMessageW(Item(IDC_SOLVE_BUTTON), BM_CLICK, 0, 0);
  EXPECT_FALSE(IsWindow(window_));
  EXPECT_FALSE(SolveRunning(ProgramSolveSession()));
  EXPECT_TRUE(ProgramSolveSession().results.empty());  // freed with the window
  MSG quit;
  EXPECT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
      << "the program's loop would not end";
  window_ = nullptr;
}

}  // namespace
}  // namespace corvanta::testing
