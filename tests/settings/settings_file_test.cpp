// Loading and saving the settings file, the same cases against every profile
// store of the platform: natively our own, under Windows also the system's,
// so that our own cannot drift from the functions it stands in for.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "settings/app_settings.h"
#include "settings/gear_stock_text.h"
#include "settings/ini_text.h"
#include "settings/portable_profile_store.h"

#ifdef _WIN32
#include "settings/win32_profile_store.h"
#endif

namespace corvanta {
namespace {
namespace fs = std::filesystem;

std::string FileBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

// The stock text in which the gears of `first` to `last` teeth are owned.
std::string OwnedTeeth(int first, int last) {
  std::string text;
  for (int teeth = 16; teeth < 16 + static_cast<int>(kGearStockCellCount); ++teeth)
    text += (teeth >= first && teeth <= last) ? '1' : '0';
  return text;
}

class SettingsFileTest : public ::testing::TestWithParam<const char*> {
 protected:
  SettingsFileTest() {
    fs::create_directories(temp_);
#ifdef _WIN32
    if (std::string(GetParam()) == "Win32") store_ = std::make_unique<Win32ProfileStore>();
#endif
    if (!store_) store_ = std::make_unique<PortableProfileStore>();
  }
  ~SettingsFileTest() override {
    std::error_code ec;
    fs::remove_all(temp_, ec);
  }

  // Cases that write a file of their own take a data folder of their own:
  // the system's profile cache notices a rewritten file only by its time.
  std::string Folder(const std::string& name) const { return (temp_ / name).string(); }
  fs::path File(const std::string& name) const {
    return fs::path(Folder(name)) / "Tarnwick Works" / "Corvanta" / "settings.ini";
  }
  AppSettings Load(const std::string& name) { return LoadSettings(*store_, Folder(name)); }
  // `s` as a window made from it saves it: the gear stock as its 154 cells.
  bool Save(const std::string& name, AppSettings s) {
    std::string cells;
    for (std::size_t k = 0; k < kGearStockCellCount; ++k)
      cells += GearStockCellText(s.gearStockText, k);
    s.gearStockText = cells;
    return SaveSettings(s, *store_, name.empty() ? std::nullopt : std::optional(Folder(name)));
  }

  // A fresh folder below the system's temporary folder, removed at the end.
  const fs::path temp_ =
      fs::temp_directory_path() /
      ("corvanta-settings-" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::unique_ptr<ProfileStore> store_;
};

TEST_P(SettingsFileTest, NoFileGivesTheDefaultsAndSavingThemCreatesTheFolderChain) {
  const AppSettings s = Load("ProgramData");
  EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant, s.feedRate),
            std::make_tuple("30", "0.075", ".025"));
  EXPECT_FALSE(fs::exists(Folder("ProgramData")));
  ASSERT_TRUE(Save("ProgramData", s));  // the data folder itself is missing too
  EXPECT_EQ(FileBytes(File("ProgramData")),
            "[Settings]\r\nIndex Constant=30\r\nFeed Constant=0.075\r\nFeed Rate=.025\r\n"
            "Change Gears=" +
                OwnedTeeth(30, 90) + "\r\n");
}

// Each file is read as the profile functions read it, and saving over it
// (damaged ones too) gives back what was saved.
TEST_P(SettingsFileTest, ValuesAreReadAsTheProfileFunctionsReadThemAndSavedOver) {
  const struct {
    std::string text;
    std::string AppSettings::*field;  // nullptr: only loading and saving must work
    std::string expected;
  } cases[] = {
      {"[settings]\r\nFeed Rate=0.0123456789123\r\n", &AppSettings::feedRate, "0.01234567"},
      {"[settings]\r\nFeed Rate=\".05\"\r\n", &AppSettings::feedRate, ".05"},
      {"[settings]\r\nFeed Rate\r\n", &AppSettings::feedRate, ".025"},  // no '=': no value
      {std::string("\0\0[Settings]\r\nFeed Rate=\0x\r\n", 28), nullptr, ""},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string folder = "case" + std::to_string(i);
    SCOPED_TRACE(cases[i].text);
    WriteFileBytes(File(folder), cases[i].text);
    AppSettings s = Load(folder);
    if (cases[i].field) {
      EXPECT_EQ(s.*cases[i].field, cases[i].expected);
    }
    EXPECT_LE(s.feedRate.size(), kFeedRateMaxLength);
    ASSERT_TRUE(Save(folder, {"77", "0.3", ".04", "01"}));
    s = Load(folder);
    EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant, s.feedRate, s.gearStockText),
              std::make_tuple("77", "0.3", ".04", "0" + std::string(153, '1')));
  }
}

// A line break in a field must not smuggle keys into the file.
TEST_P(SettingsFileTest, SavedValuesAreCleanedUp) {
  ASSERT_TRUE(Save("data", {"24", "0.1\r\n[Settings]\r\nIndex Constant=9", ".02", "0"}));
  const AppSettings s = Load("data");
  EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant), std::make_tuple("24", "0.1"));
}

TEST_P(SettingsFileTest, WithoutDataFolderTheCurrentDirectoryIsUsed) {
  fs::create_directories(temp_ / "cwd");
  const fs::path previous = fs::current_path();
  fs::current_path(temp_ / "cwd");
  const bool saved = Save("", {"18", "0.2", ".3", "1"});
  const AppSettings loaded = LoadSettings(*store_, std::nullopt);
  fs::current_path(previous);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(fs::is_regular_file(temp_ / "cwd" / "settings.ini"));
  EXPECT_EQ(loaded.indexConstant, "18");
}

TEST_P(SettingsFileTest, FailedWriteLeavesWhatIsThereAlone) {
  // A file where the data folder should be: no folder chain, no settings.
  WriteFileBytes(Folder("blocked"), "precious");
  EXPECT_FALSE(Save("blocked", DefaultAppSettings()));
  EXPECT_EQ(FileBytes(Folder("blocked")), "precious");
}

const char* const kStores[] = {"Portable",
#ifdef _WIN32
                               "Win32"
#endif
};
INSTANTIATE_TEST_SUITE_P(Stores, SettingsFileTest, ::testing::ValuesIn(kStores),
                         [](const auto& info) { return std::string(info.param); });

// Edits the file cases do not reach: where an added key goes, and which bytes
// an edit must leave as they were.
TEST(IniTextTest, EditsTouchOnlyTheLineOrPlaceTheyMust) {
  const struct {
    const char *name, *before, *after;  // after: Feed Rate set to .02 in section Settings
  } cases[] = {
      {"added after the last key, before blank lines", "[Settings]\r\nA=1\r\n\r\n[B]\r\n",
       "[Settings]\r\nA=1\r\nFeed Rate=.02\r\n\r\n[B]\r\n"},
      {"only the first section of the name", "[Settings]\r\nA=1\r\n[Settings]\r\nFeed Rate=.01\r\n",
       "[Settings]\r\nA=1\r\nFeed Rate=.02\r\n[Settings]\r\nFeed Rate=.01\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithProfileValue(c.before, "Settings", "Feed Rate", ".02"), c.after) << c.name;
    EXPECT_EQ(FindProfileValue(c.after, "Settings", "Feed Rate"), ".02") << c.name;
  }
}

}  // namespace
}  // namespace corvanta
