// The "Machines" popup of the real window, with a settings folder of the
// test's own: a machine saved through its dialog, the title that names it,
// the popup's items, choosing one, replacing one and deleting one, each as
// the operator does it.
#include "tests/app/window_fixture.h"

namespace corvanta::testing {
namespace {

constexpr char kProgram[] = "Corvanta To Hob A Helical Gear";

class MachinesMenuTest : public OwnSettingsFolderFixture {
 protected:
  MachinesMenuTest() : OwnSettingsFolderFixture("corvanta-machines-menu") {}
  std::string Title() const { return Caption(window_); }
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
  // returned), a replacement confirmed or not; a refusal's text in refusal_.
  std::string SaveAs(const std::string& name, bool replace = true) {
    std::string offered = "(no dialog)";
    Items();
    MenuAnswering(IDM_SAVE_AS_MACHINE, [&](HWND box) {
      if (Caption(box) == "Machines") return replace ? IDYES : IDNO;
      if (Caption(box) == "Info") {
        refusal_ = MessageText(box);
        return IDOK;
      }
      char text[128] = "";
      GetDlgItemTextA(box, IDC_MACHINE_NAME, text, sizeof text);
      offered = text;
      SetDlgItemTextA(box, IDC_MACHINE_NAME, name.c_str());
      return IDOK;
    });
    return offered;
  }
  std::string refusal_;
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
  EXPECT_EQ(SaveAs("MILL 2", false), "Mill 2");
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2 (changed)");
  EXPECT_EQ(SaveAs("MILL 2", true), "Mill 2");
  EXPECT_EQ(Title(), std::string(kProgram) + " - Mill 2");

  // Deleted after saying yes: no machine current, the other one kept.
  Items();
  MenuAnswering(IDM_DELETE_MACHINE, [](HWND) { return IDYES; });
  EXPECT_EQ(Title(), kProgram);
  EXPECT_EQ(Items(),
            (std::vector<std::string>{"Hob && Co", "", "Save As Machine ...", "Delete Machine"}));
}

// A name the file could not keep is refused in one box, and nothing saved.
TEST_F(MachinesMenuTest, ABadNameIsRefused) {
  EXPECT_EQ(SaveAs("[Settings]"), "");
  EXPECT_EQ(refusal_.rfind("The name ", 0), 0u) << refusal_;
  EXPECT_EQ(Title(), kProgram);
  EXPECT_EQ(Items().size(), 2u);
}

}  // namespace
}  // namespace corvanta::testing
