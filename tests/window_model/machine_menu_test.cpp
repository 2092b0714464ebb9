// The title bar, the "Machines" popup and the "Save As Machine ..." name
// check, on plain values.
#include "window_model/machine_menu.h"

#include <gtest/gtest.h>

#include <tuple>

#include "resources/resource.h"
#include "window_model/memory_job.h"
#include "window_model/settings_fields.h"

namespace corvanta {
namespace {

const std::wstring kProgram = L"Corvanta To Hob A Helical Gear";

MachineList Shop(std::optional<std::size_t> current) {
  MachineList list;
  list.machines = {{"Mill 2", {"40", "2.5", ".030", "01"}}, {"Hob & Co", DefaultAppSettings()}};
  list.current = current;
  return list;
}

TEST(MachineMenu, TitleNamesTheCurrentMachineAndWhetherTheFieldsStillHoldIt) {
  const AppSettings mill = {"40", "2.5", ".030", "0" + std::string(153, '1')};
  const struct {
    std::optional<std::size_t> current;
    AppSettings window;
    std::wstring title;
  } cases[] = {
      {std::nullopt, mill, kProgram},
      {0, mill, kProgram + L" - Mill 2"},
      {0, {"40", "2.5", ".03", mill.gearStockText}, kProgram + L" - Mill 2 (changed)"},
      {0, {"40", "2.5", ".030", std::string(154, '1')}, kProgram + L" - Mill 2 (changed)"},
      {1, mill, kProgram + L" - Hob & Co (changed)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(MachineWindowTitle(kProgram, Shop(c.current), c.window), c.title);
}

// Choosing a machine puts its values where "Save Settings" and the title
// read them back, and drops the result on display.
TEST(MachineMenu, ChoosingAMachineFillsTheFieldsAndCellsAndDropsTheResult) {
  MemoryControls controls;
  JobEntry job;
  job.settings = DefaultAppSettings();
  job.helixAngle = "30";
  job.normalPitch = "10";
  job.teeth = 40;
  EnterJob(controls, job);
  controls.SetResultOnDisplay(true);
  const AppSettings mill = {"40", "2.5", ".030", "111110001000000000000001110"};
  ShowMachineValues(controls, mill);
  const AppSettings shown = ReadSettingsFields(controls);
  EXPECT_EQ(std::tie(shown.indexConstant, shown.feedConstant, shown.feedRate),
            std::tie(mill.indexConstant, mill.feedConstant, mill.feedRate));
  EXPECT_TRUE(SameMachineValues(shown, mill));
  EXPECT_FALSE(controls.ResultOnDisplay());
  EXPECT_TRUE(controls.IsEnabled(IDC_SOLVE_BUTTON));
  MachineList list;
  list.machines = {{"Mill 2", mill}};
  list.current = 0;
  EXPECT_EQ(MachineWindowTitle(kProgram, list, shown), kProgram + L" - Mill 2");
}

TEST(MachineMenu, ItemsShowNamesAsTypedAndCheckTheCurrentOne) {
  const std::vector<MachineMenuItem> items = MachineMenuItems(Shop(1));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].text, L"Mill 2");
  EXPECT_FALSE(items[0].checked);
  EXPECT_EQ(items[1].text, L"Hob && Co");
  EXPECT_TRUE(items[1].checked);
  EXPECT_TRUE(MachineMenuItems(MachineList{}).empty());
}

TEST(MachineMenu, SaveAsRefusesBadNamesAndAsksBeforeReplacing) {
  MachineList full;
  for (int i = 0; i < 32; ++i) full.machines.push_back({"M" + std::to_string(i), {}});
  const struct {
    const MachineList list;
    std::string typed;
    std::string refusalStart;  // "" when the name is taken
    std::optional<std::string> replaces;
  } cases[] = {
      {Shop(0), "Mill 3", "", std::nullopt},
      {Shop(0), "MILL 2", "", "Mill 2"},
      {Shop(0), "", "The name is empty.", std::nullopt},
      {Shop(0), "Mill [3]", "The name holds a bracket.", std::nullopt},
      {Shop(0), std::string(41, 'x'), "The name is longer than 40 characters.", std::nullopt},
      {full, "M31", "", "M31"},
      {full, "M32", "At most 32 machines can be saved.", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    const SaveAsName checked = CheckSaveAsName(c.list, c.typed);
    EXPECT_EQ(checked.refusal.substr(0, c.refusalStart.size()), c.refusalStart);
    EXPECT_EQ(checked.refusal.empty(), c.refusalStart.empty());
    EXPECT_EQ(checked.replaces, c.replaces);
  }
}

}  // namespace
}  // namespace corvanta
