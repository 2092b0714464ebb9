// The results page and the gear-advice page of the real window, driven as
// the operator drives them: the menu, clicks on column heads and rows, the
// keyboard, "Copy", "Advise" and the save dialog. What the clipboard and
// the saved file receive is also left in the test's folder, where the
// check beside this test compares it with corvanta-solve's.
#include "tests/app/window_fixture.h"

namespace corvanta::testing {
namespace {

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

class ListPagesTest : public SmallStockFixture {
 protected:
  int Rows(int list) const {
    return static_cast<int>(SendMessageW(Item(list), LVM_GETITEMCOUNT, 0, 0));
  }
  std::string Cell(int list, int row, int column) const {
    wchar_t text[256] = L"";
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 256;
    SendMessageW(Item(list), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    return std::string(text, text + wcslen(text));
  }
  std::string Clipboard() const {
    std::string text;
    if (!OpenClipboard(window_)) return text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      text = static_cast<const char*>(GlobalLock(data));
      GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
  }
  // A click of the mouse on the head of column `column`.
  void ClickHead(int list, int column) {
    HWND head = reinterpret_cast<HWND>(SendMessageW(Item(list), LVM_GETHEADER, 0, 0));
    RECT area = {};
    SendMessageW(head, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&area));
    const LPARAM at = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    SendMessageW(head, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(head, WM_LBUTTONUP, 0, at);
    Pump();
  }
  // A click, or a double-click, of the mouse on row `row`.
  void ClickRow(int list, int row, bool twice) {
    RECT area = {LVIR_LABEL};
    SendMessageW(Item(list), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&area));
    const LPARAM at = MAKELPARAM(area.left + 5, (area.top + area.bottom) / 2);
    SendMessageW(Item(list), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Item(list), WM_LBUTTONUP, 0, at);
    if (twice) {
      SendMessageW(Item(list), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
      SendMessageW(Item(list), WM_LBUTTONUP, 0, at);
    }
    Pump();
  }
  // File > "Save Results As ..." with `path` typed into the dialog and a
  // replacement confirmed: the caption of each dialog shown, a line each,
  // with the text of a message box.
  std::string SaveAs(const std::string& path) {
    std::string shown;
    MenuAnswering(IDM_SAVE_RESULTS_AS, [&](HWND dialog) {
      shown += Caption(dialog) + (Caption(dialog) == "Info" ? ": " + MessageText(dialog) : "");
      shown += "\n";
      if (GetDlgItem(dialog, IDYES) != nullptr) return IDYES;  // the replacement
      SetDlgItemTextA(dialog, 0x47c, path.c_str());            // the file name box
      return IDOK;
    });
    return shown;
  }
  // In the prefix's folder of temporary files: the dialog of Wine's
  // builtin library refuses folders of its Z: drive.
  std::string TemporaryPath(const char* name) const {
    return (std::filesystem::temp_directory_path() / name).string();
  }
};

TEST_F(ListPagesTest, ResultsPageSortsShowsCopiesAndSaves) {
  EXPECT_FALSE(MenuEnabled(IDM_RESULTS_PAGE));
  SolveSmallJob();
  ASSERT_TRUE(MenuEnabled(IDM_RESULTS_PAGE));
  Menu(IDM_RESULTS_PAGE);
  EXPECT_TRUE(Visible(IDC_RESULT_LIST) && !Visible(IDC_SOLVE_BUTTON));
  EXPECT_FALSE(MenuEnabled(IDM_RESULTS_PAGE));
  const int rows = Rows(IDC_RESULT_LIST);
  ASSERT_EQ(rows, 6);
  for (int row = 0; row < rows; ++row)
    EXPECT_EQ(Cell(IDC_RESULT_LIST, row, 0), std::to_string(row + 1));

  // "Lead Error" (column 5), smallest first: each lead error of the list
  // is at most the next one.
  ClickHead(IDC_RESULT_LIST, 5);
  for (int row = 1; row < rows; ++row)
    EXPECT_LE(std::stod(Cell(IDC_RESULT_LIST, row - 1, 5)),
              std::stod(Cell(IDC_RESULT_LIST, row, 5)));
  Click(IDC_RESULT_LIST_COPY);
  WriteFile("results_copy.txt", Clipboard());

  // A double-click on the last row: that result on the main page, the
  // selector at its number.
  const std::string number = Cell(IDC_RESULT_LIST, rows - 1, 0);
  const std::string feed = Cell(IDC_RESULT_LIST, rows - 1, 6);
  ClickRow(IDC_RESULT_LIST, rows - 1, true);
  EXPECT_TRUE(Visible(IDC_SOLVE_BUTTON) && !Visible(IDC_RESULT_LIST));
  EXPECT_EQ(std::to_string(SpinnerPosition(IDC_RESULT_SELECTOR)), number);
  EXPECT_EQ(Text(IDC_FEED_ERROR_LINE), "Feed Error: " + feed);

  // Back on the page, a click on the second row and Enter: the same.
  Menu(IDM_RESULTS_PAGE);
  const std::string second = Cell(IDC_RESULT_LIST, 1, 0);
  ClickRow(IDC_RESULT_LIST, 1, false);
  Press(IDC_RESULT_LIST, {VK_RETURN});
  EXPECT_EQ(std::to_string(SpinnerPosition(IDC_RESULT_SELECTOR)), second);
  EXPECT_TRUE(Visible(IDC_SOLVE_BUTTON));

  // Saved through the dialog; over a read-only file, one box with the
  // system's reason, and the file as it was.
  const std::string saved = TemporaryPath("corvanta_results_saved.csv");
  DeleteFileA(saved.c_str());
  EXPECT_EQ(SaveAs(saved), "Save Results As\n");
  WriteFile("results_saved.csv", FileBytes(saved));
  const std::string locked = TemporaryPath("corvanta_results_locked.csv");
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);
  WriteFile(locked, "kept");
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
  const std::string refused = SaveAs(locked);
  EXPECT_EQ(
      refused.rfind("Save Results As\nSave Results As\nInfo: The results were not saved: ", 0), 0u)
      << refused;
  EXPECT_EQ(FileBytes(locked), "kept");
  SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_NORMAL);

  // An edit of the job takes the page's item and the save away.
  Retype(IDC_HELIX_ANGLE, "21");
  EXPECT_FALSE(MenuEnabled(IDM_RESULTS_PAGE));
  EXPECT_FALSE(MenuEnabled(IDM_SAVE_RESULTS_AS));
}

TEST_F(ListPagesTest, GearAdvicePageAdvisesSortsAndCopies) {
  EnterJob("20", "10", 20);
  Menu(IDM_GEAR_ADVICE_PAGE);
  EXPECT_TRUE(Visible(IDC_ADVICE_LIST) && Visible(IDC_ADVISE_BUTTON) && !Visible(IDC_SOLVE_BUTTON));
  EXPECT_FALSE(MenuEnabled(IDM_GEAR_ADVICE_PAGE));
  ASSERT_TRUE(Enabled(IDC_ADVISE_BUTTON));
  Click(IDC_ADVISE_BUTTON);
  // Every gear the stock of 30 to 59 teeth lacks, and the stock itself.
  ASSERT_EQ(Rows(IDC_ADVICE_LIST), 125);
  EXPECT_EQ(Cell(IDC_ADVICE_LIST, 0, 0), "None (the stock as it is)");
  EXPECT_EQ(Cell(IDC_ADVICE_LIST, 0, 1), "6");
  EXPECT_EQ(Text(IDC_ADVICE_STATUS), "124 stocks with gears added were searched, each as a Solve.");
  EXPECT_TRUE(Enabled(IDC_EXIT_BUTTON) && Enabled(IDC_ADVISE_BUTTON));
  Click(IDC_ADVICE_COPY);
  WriteFile("advice_copy.txt", Clipboard());

  // "Results" twice: the most results first.
  ClickHead(IDC_ADVICE_LIST, 1);
  ClickHead(IDC_ADVICE_LIST, 1);
  for (int row = 1; row < 125; ++row)
    EXPECT_GE(std::stoi(Cell(IDC_ADVICE_LIST, row - 1, 1)),
              std::stoi(Cell(IDC_ADVICE_LIST, row, 1)));

  // A gear marked on the change-gears page drops the advice.
  Menu(IDM_CHANGE_GEARS_PAGE);
  ClickSpinner(IDC_GEAR_STOCK_SPINNER_FIRST + 100 - 16, true);
  EXPECT_EQ(Rows(IDC_ADVICE_LIST), 0);
  EXPECT_EQ(Text(IDC_ADVICE_STATUS), "");
}

}  // namespace
}  // namespace corvanta::testing
