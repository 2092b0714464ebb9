// The same cases against every ControlAccess implementation available on
// this platform, so that the in-memory one cannot drift from the windows.
#include <gtest/gtest.h>

#include <tuple>

#include "resources/resource.h"
#include "tests/app/control_harness.h"

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
      {"0123456789AB", 11, "0123456789"}, {"1", 1, ""}};
  for (const auto& [text, size, expected] : cut) {
    controls().SetText(IDC_FEED_RATE, text);
    EXPECT_EQ(controls().GetText(IDC_FEED_RATE, size), expected) << text << " " << size;
  }
  const std::pair<const char*, std::optional<unsigned>> numbers[] = {
      {"169", 169u}, {"", std::nullopt}, {"x1", std::nullopt}};
  for (const auto& [text, expected] : numbers) {
    controls().SetText(IDC_C_LINE, text);
    EXPECT_EQ(controls().GetUnsigned(IDC_C_LINE), expected) << text;
  }
}

// The harness window is never shown: visibility is the control's own flag.
TEST_P(ControlAccessTest, EnableAndShow) {
  for (bool on : {false, true}) {
    controls().Enable(IDC_SOLVE_BUTTON, on);
    controls().Show(IDC_C_LINE, on);
    EXPECT_EQ(controls().IsEnabled(IDC_SOLVE_BUTTON), on);
    EXPECT_EQ(controls().IsVisible(IDC_C_LINE), on);
  }
}

TEST_P(ControlAccessTest, MenuItemsByCommandAndByPosition) {
  EXPECT_FALSE(controls().IsMenuCommandEnabled(IDM_PRINT));
  EXPECT_TRUE(controls().IsMenuCommandEnabled(IDM_SAVE_SETTINGS));
  controls().EnableMenuCommand(IDM_PRINT, true);
  EXPECT_TRUE(controls().IsMenuCommandEnabled(IDM_PRINT));
  ASSERT_EQ(controls().MenuBarItemCount(), 4);
  for (int i = 0; i < 4; ++i) controls().EnableMenuBarItem(i, false);
  controls().EnableMenuBarItem(2, true);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(controls().IsMenuBarItemEnabled(i), i == 2) << i;
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
