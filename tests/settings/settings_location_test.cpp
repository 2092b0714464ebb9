#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "settings/settings_location.h"

namespace corvanta {
namespace {

#ifdef _WIN32
TEST(SettingsLocationTest, CommonDataFolderIsAnExistingFolder) {
  std::optional<std::string> folder = CommonDataFolder();
  ASSERT_TRUE(folder.has_value());
  EXPECT_TRUE(std::filesystem::is_directory(*folder)) << *folder;
}
#else
TEST(SettingsLocationTest, CommonDataFolderFollowsTheXdgRules) {
  struct Case {
    const char* xdgDataHome;  // nullptr: unset
    const char* home;
    std::optional<std::string> folder;
  };
  const Case cases[] = {
      {"/srv/data", "/home/op", "/srv/data"},
      {nullptr, "/home/op", "/home/op/.local/share"},
      {"", "/home/op", "/home/op/.local/share"},
      {"relative/data", "/home/op", "/home/op/.local/share"},
      {nullptr, nullptr, std::nullopt},
      {nullptr, "not/absolute", std::nullopt},
  };
  auto set = [](const char* name, const char* value) {
    value ? setenv(name, value, 1) : unsetenv(name);
  };
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::optional<std::string> savedXdg = oldXdg ? std::optional<std::string>(oldXdg) : std::nullopt;
  const std::optional<std::string> savedHome =
      std::getenv("HOME") ? std::optional<std::string>(std::getenv("HOME")) : std::nullopt;
  for (const Case& c : cases) {
    set("XDG_DATA_HOME", c.xdgDataHome);
    set("HOME", c.home);
    EXPECT_EQ(CommonDataFolder(), c.folder)
        << "XDG_DATA_HOME=" << (c.xdgDataHome ? c.xdgDataHome : "(unset)")
        << " HOME=" << (c.home ? c.home : "(unset)");
  }
  set("XDG_DATA_HOME", savedXdg ? savedXdg->c_str() : nullptr);
  set("HOME", savedHome ? savedHome->c_str() : nullptr);
}
#endif

}  // namespace
}  // namespace corvanta
