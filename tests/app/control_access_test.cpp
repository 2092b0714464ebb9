// The same cases against every ControlAccess implementation available on
// this platform, so that the in-memory one cannot drift from the windows.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

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

TEST_P(ControlAccessTest, TextReadIsCutToBufferSizeLessOne) {
  struct Case {
    const char* text;
    std::size_t size;
    const char* expected;
  };
  const Case cases[] = {
      {".025", 11, ".025"},          // the feed rate as the search reads it
      {"0.12345678", 11, "0.12345678"},
      {"0123456789AB", 11, "0123456789"},
      {"0123456789AB", 2, "0"},      // the gear-stock cells' first character
      {"1", 1, ""},
      {"", 11, ""},
  };
  for (const Case& c : cases) {
    controls().SetText(IDC_FEED_RATE, c.text);
    EXPECT_EQ(controls().GetText(IDC_FEED_RATE, c.size), c.expected)
        << "text \"" << c.text << "\" read with size " << c.size;
  }
}

TEST_P(ControlAccessTest, UnsignedReadAcceptsDigitsOnly) {
  struct Case {
    const char* text;
    std::optional<unsigned> expected;
  };
  const Case cases[] = {{"1", 1u},        {"0", 0u},           {"169", 169u},
                        {" 12", 12u},      {"", std::nullopt},   {"abc", std::nullopt},
                        {"x1", std::nullopt}};
  for (const Case& c : cases) {
    controls().SetText(IDC_C_LINE, c.text);
    EXPECT_EQ(controls().GetUnsigned(IDC_C_LINE), c.expected) << "text \"" << c.text << "\"";
  }
}

TEST_P(ControlAccessTest, ListWithoutSelectionAnswersNoSelection) {
  EXPECT_EQ(controls().GetSelection(IDC_NUMBER_OF_TEETH), kNoSelection);
  harness_->SelectRow(IDC_NUMBER_OF_TEETH, 2);
  EXPECT_EQ(controls().GetSelection(IDC_NUMBER_OF_TEETH), 2);
  EXPECT_EQ(controls().GetItemText(IDC_NUMBER_OF_TEETH, 2), "3");
  EXPECT_EQ(controls().GetItemText(IDC_NUMBER_OF_TEETH, 4), "5");
  EXPECT_EQ(controls().GetItemText(IDC_NUMBER_OF_TEETH, 5), "");
  EXPECT_EQ(controls().GetItemText(IDC_NUMBER_OF_TEETH, kNoSelection), "");
  harness_->SelectRow(IDC_NUMBER_OF_TEETH, -1);
  EXPECT_EQ(controls().GetSelection(IDC_NUMBER_OF_TEETH), kNoSelection);
}

TEST_P(ControlAccessTest, CheckBoxState) {
  EXPECT_FALSE(controls().IsChecked(IDC_WHOLE_C_ONLY));
  harness_->Tick(IDC_WHOLE_C_ONLY, true);
  EXPECT_TRUE(controls().IsChecked(IDC_WHOLE_C_ONLY));
}

TEST_P(ControlAccessTest, EnableAndShowAreReadBack) {
  EXPECT_TRUE(controls().IsEnabled(IDC_SOLVE_BUTTON));
  controls().Enable(IDC_SOLVE_BUTTON, false);
  EXPECT_FALSE(controls().IsEnabled(IDC_SOLVE_BUTTON));
  controls().Enable(IDC_SOLVE_BUTTON, true);
  EXPECT_TRUE(controls().IsEnabled(IDC_SOLVE_BUTTON));

  EXPECT_TRUE(controls().IsVisible(IDC_C_LINE));
  controls().Show(IDC_C_LINE, false);
  EXPECT_FALSE(controls().IsVisible(IDC_C_LINE));
  controls().Show(IDC_C_LINE, true);
  EXPECT_TRUE(controls().IsVisible(IDC_C_LINE));
}

TEST_P(ControlAccessTest, SpinnerKeepsItsPositionInsideItsRange) {
  EXPECT_EQ(controls().GetSpinnerPosition(IDC_HOB_THREADS_SPINNER), 1);
  controls().SetSpinnerPosition(IDC_HOB_THREADS_SPINNER, 24);
  EXPECT_EQ(controls().GetSpinnerPosition(IDC_HOB_THREADS_SPINNER), 24);
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
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(controls().IsMenuBarItemEnabled(i)) << i;
  controls().EnableMenuBarItem(2, true);
  EXPECT_TRUE(controls().IsMenuBarItemEnabled(2));
  EXPECT_FALSE(controls().IsMenuBarItemEnabled(3));
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
                         [](const ::testing::TestParamInfo<HarnessMaker>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace corvanta::testing
