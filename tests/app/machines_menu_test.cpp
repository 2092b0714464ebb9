// The "Machines" popup of the real window, with a settings folder of the
// test's own: a machine saved through its dialog, the title that names it,
// the popup's items, choosing one, replacing one and deleting one, each as
// the operator does it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/app/dialog_answer.h"
#include "tests/app/window_fixture.h"

namespace corvanta::testing {
namespace {

constexpr char kProgram[] = "Corvanta To Hob A Helical Gear";

class MachinesMenuTest : public OwnSettingsFolderFixture {
 protected:
  MachinesMenuTest() : OwnSettingsFolderFixture("corvanta-machines-menu") {}
  std::string Title() const {
    char text[256] = "";
    GetWindowTextA(window_, text, sizeof text);
    return text;
  }
  HMENU Popup() const { return GetSubMenu(GetMenu(window_), 1); }
  // The popup as it opens: its items' texts, "*" before a checked one.
  std::vector<std::string> Items() {
    SendMessageW(window_, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(Popup()), 1);
    std::vector<std::string> items;
    for (int k = 0; k < GetMenuItemCount(Popup()); ++k) {
      char text[128] = "";
      GetMenuStringA(Popup(), k, text, sizeof text, MF_BYPOSITION);
      const bool checked = (GetMenuState(Popup(), k, MF_BYPOSITION) & MF_CHECKED) != 0;
      items.push_back((checked ? "*" : "") + std::string(text));
    }
    return items;
  }
  // "Save As Machine ..." with `name` typed over the name offered (which is
  // returned), a replacement confirmed or not.
  std::string SaveAs(const std::string& name, bool replace = true) {
    std::string offered;
    DialogAnswer dialog(L"Save As Machine", [&](HWND box) {
      char text[128] = "";
      GetDlgItemTextA(box, IDC_MACHINE_NAME, text, sizeof text);
      offered = text;
      SetDlgItemTextA(box, IDC_MACHINE_NAME, name.c_str());
      PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    DialogAnswer ask(L"Machines", [replace](HWND box) {
      PostMessageW(box, WM_COMMAND, replace ? IDYES : IDNO, 0);
    });
    Items();
    Menu(IDM_SAVE_AS_MACHINE);
    EXPECT_TRUE(dialog.Found());
    return offered;
  }
};

TEST_F(MachinesMenuTest, SaveChooseReplaceAndDeleteMachines) {
  EXPECT_EQ(Title(), kProgram);
  EXPECT_EQ(Items(), (std::vector<std::string>{"Save As Machine ...", "Delete Machine"}));
  EXPECT_FALSE(MenuEnabled(IDM_DELETE_MACHINE));

  EXPECT_EQ(SaveAs("Mill 2"), "");
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2");
  Retype(IDC_INDEX_CONST, "40");
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2 (changed)");
  EXPECT_EQ(SaveAs("Hob & Co"), "Mill 2");
  EXPECT_EQ(Items(), (std::vector<std::string>{"Mill 2", "*Hob && Co", "", "Save As Machine ...",
                                               "Delete Machine"}));

  // Mill 2 chosen: its values, and the title without "(changed)".
  Menu(IDM_MACHINE_FIRST);
  EXPECT_EQ(Text(IDC_INDEX_CONST), "30");
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2");
  EXPECT_EQ(Items()[0], "*Mill 2");

  // A gear marked: changed; saved over "MILL 2" after saying yes, the
  // title back to its saved values; "no" leaves the machine as it was.
  ClickSpinner(IDC_GEAR_STOCK_SPINNER_FIRST + 100 - 16, true);
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2 (changed)");
  SaveAs("MILL 2", false);
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2 (changed)");
  SaveAs("MILL 2", true);
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2");

  // Deleted after saying yes: no machine current, the other one kept.
  {
    DialogAnswer ask(L"Machines", [](HWND box) { PostMessageW(box, WM_COMMAND, IDYES, 0); });
    Items();
    Menu(IDM_DELETE_MACHINE);
    EXPECT_TRUE(ask.Found());
  }
  EXPECT_EQ(Title(), kProgram);
  EXPECT_EQ(Items(),
            (std::vector<std::string>{"Hob && Co", "", "Save As Machine ...", "Delete Machine"}));
}

// A name the file could not keep is refused in one box, and nothing saved.
TEST_F(MachinesMenuTest, ABadNameIsRefused) {
  std::string refusal;
  {
    DialogAnswer box(L"Info", [&refusal](HWND dialog) {
      char text[512] = "";
      GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
      refusal = text;
      PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    });
    SaveAs("[Settings]");
  }
  EXPECT_EQ(refusal.rfind("The name ", 0), 0u) << refusal;
  EXPECT_EQ(Title(), kProgram);
  EXPECT_EQ(Items().size(), 2u);
}

}  // namespace
}  // namespace corvanta::testing
