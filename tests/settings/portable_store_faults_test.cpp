// Faults only our own store has to survive natively: a full disk in the middle
// of a save, and a pipe where the settings file should be.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "settings/portable_profile_store.h"
#include "settings/settings_test_support.h"

namespace corvanta::testing {
namespace {

TEST(PortableStoreFaultsTest, FullDiskDuringAWriteLeavesTheOldFile) {
  TempFolder temp;
  const auto file = temp.path() / "settings.ini";
  const std::string before = "[Settings]\r\nIndex Constant=24\r\n";
  WriteFileBytes(file, before);
  PortableProfileStore store;

  // A file size limit makes every write past 16 bytes fail, as a full disk does.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit tight = old;
  tight.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  bool written = store.WriteString(file.string(), "Settings", "Feed Constant", "0.075");
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes(file), before);
  EXPECT_EQ(FolderEntries(temp.path()), std::vector<std::string>{"settings.ini"});
}

TEST(PortableStoreFaultsTest, PipeAtTheSettingsPathIsNeitherReadNorReplaced) {
  TempFolder temp;
  const auto file = temp.path() / "settings.ini";
  ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
  PortableProfileStore store;
  // Opening a pipe with no writer would wait for ever.
  EXPECT_EQ(store.ReadString(file.string(), "Settings", "Feed Rate", ".025", 11), ".025");
  EXPECT_FALSE(store.WriteString(file.string(), "Settings", "Feed Rate", ".03"));
  EXPECT_TRUE(std::filesystem::is_fifo(file));
}

}  // namespace
}  // namespace corvanta::testing
