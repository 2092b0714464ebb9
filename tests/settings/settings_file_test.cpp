// Loading and saving the settings file, the same cases against every profile
// store of the platform: natively our own, under Windows also the system's,
// so that our own cannot drift from the functions it stands in for.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <tuple>

#include "app/memory_controls.h"
#include "resources/resource.h"
#include "settings/app_settings.h"
#include "settings/gear_stock_text.h"
#include "settings/ini_text.h"
#include "settings/portable_profile_store.h"
#include "settings/settings_location.h"

#ifdef _WIN32
#include "settings/win32_profile_store.h"
#else
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

namespace corvanta {
namespace {
namespace fs = std::filesystem;

// A fresh folder below the system's temporary folder, removed at the end.
struct TempFolder {
  TempFolder() { fs::create_directories(path); }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
  fs::path path = fs::temp_directory_path() /
                  ("corvanta-settings-" +
                   std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
};

std::optional<std::string> FileBytes(const fs::path& file) {
  if (!fs::is_regular_file(file)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

// True when `folder` holds the settings file and nothing else (no temporary file).
bool HoldsOnlyTheSettingsFile(const fs::path& folder) {
  return fs::exists(folder / "settings.ini") &&
         std::distance(fs::directory_iterator(folder), fs::directory_iterator()) == 1;
}

// The stock text in which the gears of `first` to `last` teeth are owned.
std::string OwnedTeeth(int first, int last) {
  std::string text;
  for (int teeth = 16; teeth < 16 + GEAR_STOCK_CELL_COUNT; ++teeth)
    text += (teeth >= first && teeth <= last) ? '1' : '0';
  return text;
}

class SettingsFileTest : public ::testing::TestWithParam<const char*> {
 protected:
  SettingsFileTest() {
#ifdef _WIN32
    if (std::string(GetParam()) == "Win32") store_ = std::make_unique<Win32ProfileStore>();
#endif
    if (!store_) store_ = std::make_unique<PortableProfileStore>();
  }

  // Cases that write a file of their own take a data folder of their own:
  // the system's profile cache notices a rewritten file only by its time.
  std::string Folder(const std::string& name) const { return (temp_.path / name).string(); }
  fs::path File(const std::string& name) const {
    return fs::path(Folder(name)) / "Tarnwick Works" / "Corvanta" / "settings.ini";
  }
  AppSettings Load(const std::string& name) { return LoadSettings(*store_, Folder(name)); }
  bool Save(const std::string& name) { return SaveSettings(controls_, *store_, Folder(name)); }

  // What the window's creation does with the loaded settings.
  void ShowInControls(const AppSettings& s) {
    controls_.SetText(IDC_INDEX_CONST, s.indexConstant);
    controls_.SetText(IDC_FEED_CONST, s.feedConstant);
    controls_.SetText(IDC_FEED_RATE, s.feedRate);
    for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k)
      controls_.SetText(IDC_GEAR_STOCK_CELL_FIRST + k,
                        GearStockCellText(s.gearStockText, static_cast<std::size_t>(k)));
  }
  std::string CellTexts() const {
    std::string texts;
    for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k)
      texts += controls_.GetText(IDC_GEAR_STOCK_CELL_FIRST + k, 100);
    return texts;
  }

  TempFolder temp_;
  MemoryControls controls_;
  std::unique_ptr<ProfileStore> store_;
};

TEST_P(SettingsFileTest, NoFileGivesTheDefaultsAndSavingThemCreatesTheFolderChain) {
  const AppSettings s = Load("ProgramData");
  EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant, s.feedRate),
            std::make_tuple("30", "0.075", ".025"));
  EXPECT_FALSE(fs::exists(Folder("ProgramData")));
  ShowInControls(s);
  EXPECT_EQ(CellTexts(), OwnedTeeth(30, 90));
  ASSERT_TRUE(Save("ProgramData"));  // the data folder itself is missing too
  EXPECT_EQ(FileBytes(File("ProgramData")),
            "[Settings]\r\nIndex Constant=30\r\nFeed Constant=0.075\r\nFeed Rate=.025\r\n"
            "Change Gears=" + OwnedTeeth(30, 90) + "\r\n");
}

// Each file is read as the profile functions read it, and saving over it
// (damaged ones too) gives back what was saved.
TEST_P(SettingsFileTest, ValuesAreReadAsTheProfileFunctionsReadThemAndSavedOver) {
  const struct {
    std::string text;
    std::string AppSettings::*field;  // nullptr: only loading and saving must work
    std::string expected;
  } cases[] = {
      {"[settings]\r\nIndex Constant=1234567890\r\n", &AppSettings::indexConstant, "123456"},
      {"[settings]\r\nFeed Constant=" + std::string(50, '7') + "\r\n", &AppSettings::feedConstant,
       std::string(40, '7')},
      {"[settings]\r\nFeed Rate=0.0123456789123\r\n", &AppSettings::feedRate, "0.01234567"},
      {"[settings]\r\nFeed Rate=\r\n", &AppSettings::feedRate, ""},
      {"[settings]\r\n\tFEED RATE\t=\t.04\r\n", &AppSettings::feedRate, ".04"},
      {"[settings]\r\nFeed Rate=\".05\"\r\n", &AppSettings::feedRate, ".05"},
      {"[settings]\r\nFeed Rate='.06'\r\n", &AppSettings::feedRate, ".06"},
      {"[settings]\r\nFeed Rate=\".07\r\n", &AppSettings::feedRate, "\".07"},
      {"[settings]\r\nFeed Rate\r\n", &AppSettings::feedRate, ".025"},  // no '=': no value
      {"[settings]\r\n;Feed Rate=.08\r\n", &AppSettings::feedRate, ".025"},
      {"[settings]\r\nFeed Rate=.09\r\nFeed Rate=.1\r\n", &AppSettings::feedRate, ".09"},
      {std::string("\0\0[Settings]\r\nFeed Rate=\0x\r\n", 28), nullptr, ""},
      {"[Settings", nullptr, ""},
      {"[]\r\n=\r\n==\r\n[Settings]]\r\n=.5\r\n", nullptr, ""},
      {"\r\r\n\n\r[Settings]\r\r", nullptr, ""},
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
    ShowInControls({"77", "0.3", ".04", "01"});
    ASSERT_TRUE(Save(folder));
    s = Load(folder);
    EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant, s.feedRate, s.gearStockText),
              std::make_tuple("77", "0.3", ".04", "0" + std::string(153, '1')));
  }
}

TEST_P(SettingsFileTest, ChangeGearsValueBecomesCellsAndIsSavedBackAsZerosAndOnes) {
  std::string alternating;
  for (int i = 0; i < 100; ++i) alternating += "10";
  const struct {
    std::string value, kept, cells;  // cells: what they show, and so what is saved
  } cases[] = {
      {"", "", std::string(154, '0')},
      {alternating, alternating.substr(0, 154), alternating.substr(0, 154)},
      {std::string(14, '0') + "1", std::string(14, '0') + "1", OwnedTeeth(30, 169)},
      {"1x12", "1x12", "101" + std::string(151, '0')},  // a letter; a 2, repeated
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string folder = "case" + std::to_string(i);
    SCOPED_TRACE("Change Gears=" + cases[i].value);
    WriteFileBytes(File(folder), "[Settings]\r\nChange Gears=" + cases[i].value + "\r\n");
    const AppSettings s = Load(folder);
    EXPECT_EQ(s.gearStockText, cases[i].kept);
    ShowInControls(s);
    EXPECT_EQ(CellTexts(), cases[i].cells);
    ASSERT_TRUE(Save(folder));
    EXPECT_EQ(Load(folder).gearStockText, cases[i].cells);
  }
  // Cells are saved as owned only when they hold exactly "1".
  ShowInControls({"30", "0.075", ".025", "0"});
  const char* cellTexts[] = {"1", "0", "2", "9", "10", "49", "256", "-1", "abc", "", "01"};
  for (int k = 0; k < 11; ++k) controls_.SetText(IDC_GEAR_STOCK_CELL_FIRST + k, cellTexts[k]);
  ASSERT_TRUE(Save("cells"));
  EXPECT_EQ(Load("cells").gearStockText, "10000000001" + std::string(154 - 11, '0'));
}

TEST_P(SettingsFileTest, SavingAgainRewritesValuesInPlaceAndKeepsEverythingElse) {
  auto file = [](const std::string& index, const std::string& feedRate, const std::string& gears) {
    return "[Machine]\r\nOwner=Shop 3\r\n[SETTINGS]\r\n; for the 16-56\r\nindex constant=" + index +
           "\r\nExtra=keep me\r\nFeed Constant=0.1\r\nFEED RATE=" + feedRate +
           "\r\nChange Gears=" + gears + "\r\n[Other]\r\nFeed Rate=9\r\n";
  };
  WriteFileBytes(File("data"), file("24", ".01", "1"));
  ShowInControls({"48", "0.1", "", "01"});
  ASSERT_TRUE(Save("data"));
  EXPECT_EQ(FileBytes(File("data")), file("48", "", "0" + std::string(153, '1')));
  EXPECT_EQ(Load("data").feedRate, "");  // present and empty: not the default

  // A line break in a field must not smuggle keys into the file.
  ShowInControls({"24", "0.1\r\n[Settings]\r\nIndex Constant=9", ".02", "1"});
  ASSERT_TRUE(Save("broken"));
  const AppSettings s = Load("broken");
  EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant), std::make_tuple("24", "0.1"));
}

TEST_P(SettingsFileTest, WithoutDataFolderTheCurrentDirectoryIsUsed) {
  fs::create_directories(temp_.path / "cwd");
  const fs::path previous = fs::current_path();
  fs::current_path(temp_.path / "cwd");
  ShowInControls({"18", "0.2", ".3", "1"});
  const bool saved = SaveSettings(controls_, *store_, std::nullopt);
  const AppSettings loaded = LoadSettings(*store_, std::nullopt);
  fs::current_path(previous);
  EXPECT_TRUE(saved);
  EXPECT_TRUE(HoldsOnlyTheSettingsFile(temp_.path / "cwd"));
  EXPECT_EQ(loaded.indexConstant, "18");
}

TEST_P(SettingsFileTest, FailedWritesLeaveWhatIsThereAlone) {
  ShowInControls(DefaultAppSettings());
  // A file where the data folder should be: no folder chain, no settings.
  WriteFileBytes(Folder("blocked"), "precious");
  EXPECT_FALSE(Save("blocked"));
  EXPECT_EQ(FileBytes(Folder("blocked")), "precious");
  // A folder where the settings file should be; no temporary file stays behind.
  fs::create_directories(File("folder"));
  EXPECT_FALSE(Save("folder"));
  EXPECT_TRUE(HoldsOnlyTheSettingsFile(File("folder").parent_path()));
  EXPECT_EQ(Load("folder").indexConstant, "30");
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
      {"last line without line end", "[Settings]\r\nA=1", "[Settings]\r\nA=1\r\nFeed Rate=.02\r\n"},
      {"LF lines stay LF", "[Settings]\nFeed Rate=.01\nA=1\n", "[Settings]\nFeed Rate=.02\nA=1\n"},
      {"section added after a line without line end", "[B]\nA=1",
       "[B]\nA=1\r\n[Settings]\r\nFeed Rate=.02\r\n"},
      {"byte-order mark kept", "\xEF\xBB\xBF[Settings]\r\nFeed Rate=.01\r\n",
       "\xEF\xBB\xBF[Settings]\r\nFeed Rate=.02\r\n"},
      {"only the first section of the name", "[Settings]\r\nA=1\r\n[Settings]\r\nFeed Rate=.01\r\n",
       "[Settings]\r\nA=1\r\nFeed Rate=.02\r\n[Settings]\r\nFeed Rate=.01\r\n"},
      {"keys before any section belong to none", "Feed Rate=.01\r\n",
       "Feed Rate=.01\r\n[Settings]\r\nFeed Rate=.02\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(WithProfileValue(c.before, "Settings", "Feed Rate", ".02"), c.after) << c.name;
    EXPECT_EQ(FindProfileValue(c.after, "Settings", "Feed Rate"), ".02") << c.name;
  }
}

#ifndef _WIN32
// Relative folders in the variables are ignored.
TEST(SettingsLocationTest, CommonDataFolderFollowsTheXdgRules) {
  const struct {
    const char *xdgDataHome, *home;  // nullptr: unset
    std::optional<std::string> folder;
  } cases[] = {
      {"/srv/data", "/home/op", "/srv/data"},
      {"relative/data", "/home/op", "/home/op/.local/share"},
      {nullptr, "not/absolute", std::nullopt},
  };
  const char* names[] = {"XDG_DATA_HOME", "HOME"};
  std::optional<std::string> old[2];
  for (int i = 0; i < 2; ++i)
    if (const char* value = std::getenv(names[i])) old[i] = value;
  auto set = [&](int i, const char* v) { v ? setenv(names[i], v, 1) : unsetenv(names[i]); };
  for (const auto& c : cases) {
    set(0, c.xdgDataHome);
    set(1, c.home);
    EXPECT_EQ(CommonDataFolder(), c.folder) << (c.xdgDataHome ? c.xdgDataHome : "-");
  }
  for (int i = 0; i < 2; ++i) set(i, old[i] ? old[i]->c_str() : nullptr);
}

// Faults only our own store has to survive natively.
TEST(PortableStoreFaultsTest, FullDiskDuringAWriteLeavesTheOldFile) {
  TempFolder temp;
  const fs::path file = temp.path / "settings.ini";
  const std::string before = "[Settings]\r\nIndex Constant=24\r\n";
  WriteFileBytes(file, before);
  // A file size limit makes every write past 16 bytes fail, as a full disk does.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  auto oldHandler = signal(SIGXFSZ, SIG_IGN);
  rlimit tight = old;
  tight.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  PortableProfileStore store;
  const bool written = store.WriteString(file.string(), "Settings", "Feed Constant", "0.075");
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(FileBytes(file), before);
  EXPECT_TRUE(HoldsOnlyTheSettingsFile(temp.path));
}

TEST(PortableStoreFaultsTest, PipeAtTheSettingsPathIsNeitherReadNorReplaced) {
  TempFolder temp;
  const fs::path file = temp.path / "settings.ini";
  ASSERT_EQ(mkfifo(file.c_str(), 0600), 0);
  PortableProfileStore store;
  // Opening a pipe with no writer would wait for ever.
  EXPECT_EQ(store.ReadString(file.string(), "Settings", "Feed Rate", ".025", 11), ".025");
  EXPECT_FALSE(store.WriteString(file.string(), "Settings", "Feed Rate", ".03"));
  EXPECT_TRUE(fs::is_fifo(file));
}
#endif

}  // namespace
}  // namespace corvanta
