// The same cases against every ControlAccess implementation available on
// this platform, so that the in-memory one cannot drift from the windows.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <tuple>

#include "app/control_harness.h"
#include "resources/resource.h"

namespace corvanta::testing {
namespace {

class ControlAccessTest : public ::testing::TestWithParam<HarnessMaker> {
 protected:
  void SetUp() override { harness_ = GetParam().make(); }
  ControlAccess& controls() { return harness_->Controls(); }
  std::unique_ptr<ControlHarness> harness_;
};

TEST_P(ControlAccessTest, TextsAreCutToBufferSizeLessOneAndReadAsUnsigned) {
  const std::tuple<const char*, std::size_t, const char*> cut[] = {
      {"0123456789AB", 11, "0123456789"}, {"0123456789AB", 2, "0"}, {"1", 1, ""}};
  for (const auto& [text, size, expected] : cut) {
    controls().SetText(IDC_FEED_RATE, text);
    EXPECT_EQ(controls().GetText(IDC_FEED_RATE, size), expected) << text << " " << size;
  }
  const std::pair<const char*, std::optional<unsigned>> numbers[] = {
      {"0", 0u}, {"169", 169u}, {" 12", 12u}, {"", std::nullopt}, {"x1", std::nullopt}};
  for (const auto& [text, expected] : numbers) {
    controls().SetText(IDC_C_LINE, text);
    EXPECT_EQ(controls().GetUnsigned(IDC_C_LINE), expected) << text;
  }
}

TEST_P(ControlAccessTest, ListCheckBoxEnableAndShow) {
  EXPECT_EQ(controls().GetSelection(IDC_NUMBER_OF_TEETH), kNoSelection);
  harness_->SelectRow(IDC_NUMBER_OF_TEETH, 2);
  EXPECT_EQ(controls().GetSelection(IDC_NUMBER_OF_TEETH), 2);
  EXPECT_EQ(controls().GetItemText(IDC_NUMBER_OF_TEETH, 4), "5");
  EXPECT_EQ(controls().GetItemText(IDC_NUMBER_OF_TEETH, 5), "");
  EXPECT_EQ(controls().GetItemText(IDC_NUMBER_OF_TEETH, kNoSelection), "");
  harness_->SelectRow(IDC_NUMBER_OF_TEETH, -1);
  EXPECT_EQ(controls().GetSelection(IDC_NUMBER_OF_TEETH), kNoSelection);

  EXPECT_FALSE(controls().IsChecked(IDC_WHOLE_C_ONLY));
  harness_->Tick(IDC_WHOLE_C_ONLY, true);
  EXPECT_TRUE(controls().IsChecked(IDC_WHOLE_C_ONLY));

  for (bool on : {false, true}) {
    controls().Enable(IDC_SOLVE_BUTTON, on);
    controls().Show(IDC_C_LINE, on);
    EXPECT_EQ(controls().IsEnabled(IDC_SOLVE_BUTTON), on);
    EXPECT_EQ(controls().IsVisible(IDC_C_LINE), on);
  }
}

TEST_P(ControlAccessTest, SpinnerKeepsItsPositionInsideItsRange) {
  EXPECT_EQ(controls().GetSpinnerPosition(IDC_HOB_THREADS_SPINNER), 1);
  controls().SetSpinnerPosition(IDC_HOB_THREADS_SPINNER, 30);
  EXPECT_EQ(controls().GetSpinnerPosition(IDC_HOB_THREADS_SPINNER), 24);
  controls().SetSpinnerRange(IDC_HOB_THREADS_SPINNER, 1, 200);
  controls().SetSpinnerPosition(IDC_HOB_THREADS_SPINNER, 200);
  EXPECT_EQ(controls().GetSpinnerPosition(IDC_HOB_THREADS_SPINNER), 200);
}

TEST_P(ControlAccessTest, MenuItemsByCommandAndByPosition) {
  EXPECT_FALSE(controls().IsMenuCommandEnabled(IDM_PRINT));
  EXPECT_TRUE(controls().IsMenuCommandEnabled(IDM_SAVE_SETTINGS));
  controls().EnableMenuCommand(IDM_PRINT, true);
  EXPECT_TRUE(controls().IsMenuCommandEnabled(IDM_PRINT));
  ASSERT_EQ(controls().MenuBarItemCount(), 4);
  for (int i = 0; i < 4; ++i) controls().EnableMenuBarItem(i, false);
  controls().RedrawMenuBar();
  controls().EnableMenuBarItem(2, true);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(controls().IsMenuBarItemEnabled(i), i == 2) << i;
}

TEST_P(ControlAccessTest, StatusLineCanBeWrittenFromAnotherThread) {
  std::atomic<bool> written{false};
  std::thread worker([&] {
    controls().SetText(IDC_C_LINE, "Processing 100 of 250 C constants");
    written = true;
  });
  harness_->PumpUntil([&] { return written.load(); });
  worker.join();
  EXPECT_EQ(controls().GetText(IDC_C_LINE, 170), "Processing 100 of 250 C constants");
}

std::vector<HarnessMaker> Harnesses() {
  std::vector<HarnessMaker> makers = {{"Memory", MakeMemoryHarness}};
#ifdef _WIN32
  makers.push_back({"Win32", MakeWin32Harness});
#endif
  return makers;
}

INSTANTIATE_TEST_SUITE_P(Implementations, ControlAccessTest, ::testing::ValuesIn(Harnesses()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace corvanta::testing
