// Loading and saving the settings file, the same cases against every profile
// store of the platform: natively our own, under Windows also the system's,
// so that our own cannot drift from the functions it stands in for.
#include <gtest/gtest.h>

#include <iterator>
#include <tuple>

#include "app/memory_controls.h"
#include "resources/resource.h"
#include "settings/app_settings.h"
#include "settings/gear_stock_text.h"
#include "settings/settings_test_support.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <share.h>
#endif

namespace corvanta::testing {
namespace {

// The stock text in which the gears of `first` to `last` teeth are owned.
std::string OwnedTeeth(int first, int last) {
  std::string text;
  for (int teeth = 16; teeth < 16 + GEAR_STOCK_CELL_COUNT; ++teeth)
    text += (teeth >= first && teeth <= last) ? '1' : '0';
  return text;
}

class SettingsFileTest : public ::testing::TestWithParam<StoreMaker> {
 protected:
  void SetUp() override { store_ = GetParam().make(); }

  // Cases that write a file of their own take a data folder of their own:
  // the system's profile cache notices a rewritten file only by its time.
  std::string DataFolder(const std::string& name = "data") const {
    return (temp_.path() / name).string();
  }
  fs::path SettingsFile(const std::string& name = "data") const {
    return fs::path(DataFolder(name)) / "Tarnwick Works" / "Corvanta" / "settings.ini";
  }
  AppSettings Load(const std::string& name = "data") { return LoadSettings(*store_, DataFolder(name)); }
  bool Save(const std::string& name = "data") { return SaveSettings(controls_, *store_, DataFolder(name)); }

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

TEST_P(SettingsFileTest, NoFileGivesTheDefaultsAndCreatesNothing) {
  AppSettings s = Load();
  EXPECT_EQ(s.indexConstant, "30");
  EXPECT_EQ(s.feedConstant, "0.075");
  EXPECT_EQ(s.feedRate, ".025");
  ShowInControls(s);
  EXPECT_EQ(CellTexts(), OwnedTeeth(30, 90));
  EXPECT_FALSE(fs::exists(DataFolder()));
}

TEST_P(SettingsFileTest, ChangeGearsValueBecomesCellsAndIsSavedBackAsZerosAndOnes) {
  std::string alternating;
  for (int i = 0; i < 100; ++i) alternating += "10";
  struct Case {
    std::string value, kept, cells;  // cells: what they show, and so what is saved
  };
  const Case cases[] = {
      {"1", "1", std::string(154, '1')},
      {"", "", std::string(154, '0')},
      {alternating, alternating.substr(0, 154), alternating.substr(0, 154)},
      {std::string(14, '0') + "1", std::string(14, '0') + "1", OwnedTeeth(30, 169)},
      {"1x12", "1x12", "101" + std::string(151, '0')},  // a letter; a 2, repeated
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const Case& c = cases[i];
    const std::string folder = "case" + std::to_string(i);
    SCOPED_TRACE("Change Gears=" + c.value);
    WriteFileBytes(SettingsFile(folder), "[Settings]\r\nChange Gears=" + c.value + "\r\n");
    AppSettings s = Load(folder);
    EXPECT_EQ(s.gearStockText, c.kept);
    ShowInControls(s);
    EXPECT_EQ(CellTexts(), c.cells);
    ASSERT_TRUE(Save(folder));
    EXPECT_EQ(Load(folder).gearStockText, c.cells);
  }
}

TEST_P(SettingsFileTest, ValuesAreReadAsTheProfileFunctionsReadThem) {
  struct Case {
    std::string lines;  // of the section
    std::string AppSettings::*field;
    std::string expected;
  };
  const Case cases[] = {
      {"Index Constant=1234567890", &AppSettings::indexConstant, "123456"},
      {"Feed Constant=" + std::string(50, '7'), &AppSettings::feedConstant, std::string(40, '7')},
      {"Feed Rate=0.0123456789123", &AppSettings::feedRate, "0.01234567"},
      {"Index Constant=", &AppSettings::indexConstant, ""},
      {"Feed Constant=", &AppSettings::feedConstant, ""},
      {"Feed Rate=", &AppSettings::feedRate, ""},
      {"Feed Rate = .03 ", &AppSettings::feedRate, ".03"},
      {"\tFEED RATE\t=\t.04", &AppSettings::feedRate, ".04"},
      {"Feed Rate=\".05\"", &AppSettings::feedRate, ".05"},
      {"Feed Rate='.06'", &AppSettings::feedRate, ".06"},
      {"Feed Rate=\".07", &AppSettings::feedRate, "\".07"},
      {"Feed Rate", &AppSettings::feedRate, ".025"},  // no '=': no value
      {";Feed Rate=.08", &AppSettings::feedRate, ".025"},
      {"Feed Rate=.09\r\nFeed Rate=.1", &AppSettings::feedRate, ".09"},
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string folder = "case" + std::to_string(i);
    WriteFileBytes(SettingsFile(folder), "[settings]\r\n" + cases[i].lines + "\r\n");
    EXPECT_EQ(Load(folder).*cases[i].field, cases[i].expected) << cases[i].lines;
  }
}

TEST_P(SettingsFileTest, SaveFromNothingCreatesTheFolderChainAndTheFile) {
  ShowInControls(DefaultAppSettings());
  ASSERT_TRUE(Save("ProgramData"));  // the data folder itself is missing too
  EXPECT_TRUE(fs::is_directory(SettingsFile("ProgramData").parent_path()));
  EXPECT_EQ(FileBytes(SettingsFile("ProgramData")),
            "[Settings]\r\nIndex Constant=30\r\nFeed Constant=0.075\r\nFeed Rate=.025\r\n"
            "Change Gears=" + OwnedTeeth(30, 90) + "\r\n");
}

TEST_P(SettingsFileTest, SavingAgainRewritesValuesInPlaceAndKeepsEverythingElse) {
  auto file = [](const std::string& index, const std::string& feedRate, const std::string& gears) {
    return "[Machine]\r\nOwner=Shop 3\r\n[SETTINGS]\r\n; for the 16-56\r\nindex constant=" + index +
           "\r\nExtra=keep me\r\nFeed Constant=0.1\r\nFEED RATE=" + feedRate +
           "\r\nChange Gears=" + gears + "\r\n[Other]\r\nFeed Rate=9\r\n";
  };
  WriteFileBytes(SettingsFile(), file("24", ".01", "1"));
  ShowInControls({"48", "0.1", "", "01"});
  ASSERT_TRUE(Save());
  EXPECT_EQ(FileBytes(SettingsFile()), file("48", "", "0" + std::string(153, '1')));
  EXPECT_EQ(Load().feedRate, "");  // present and empty: not the default
}

TEST_P(SettingsFileTest, FieldsAreSavedCutToTheirLimitsAndOnOneLine) {
  ShowInControls({"12345678", std::string(45, '3'), "0.0123456789xyz", "1"});
  ASSERT_TRUE(Save("long"));
  AppSettings s = Load("long");
  EXPECT_EQ(s.indexConstant, "123456");
  EXPECT_EQ(s.feedConstant, std::string(40, '3'));
  EXPECT_EQ(s.feedRate, "0.01234567");

  // A line break in a field must not smuggle keys into the file.
  ShowInControls({"24", "0.1\r\n[Settings]\r\nIndex Constant=9", ".02", "1"});
  ASSERT_TRUE(Save("broken"));
  s = Load("broken");
  EXPECT_EQ(s.indexConstant, "24");
  EXPECT_EQ(s.feedConstant, "0.1");
}

TEST_P(SettingsFileTest, CellsHoldingAnythingButOneAreSavedAsNotOwned) {
  const char* cellTexts[] = {"1", "0", "2", "9", "10", "49", "256", "-1", "abc", "", "01"};
  const std::string expected = "10000000001";
  ShowInControls({"30", "0.075", ".025", "0"});
  for (int k = 0; k < 11; ++k) controls_.SetText(IDC_GEAR_STOCK_CELL_FIRST + k, cellTexts[k]);
  ASSERT_TRUE(Save());
  EXPECT_EQ(Load().gearStockText, expected + std::string(154 - 11, '0'));
}

TEST_P(SettingsFileTest, WithoutDataFolderTheCurrentDirectoryIsUsed) {
  fs::create_directories(temp_.path() / "cwd");
  const fs::path previous = fs::current_path();
  fs::current_path(temp_.path() / "cwd");
  ShowInControls({"18", "0.2", ".3", "1"});
  const bool saved = SaveSettings(controls_, *store_, std::nullopt);
  const AppSettings loaded = LoadSettings(*store_, std::nullopt);
  fs::current_path(previous);
  EXPECT_TRUE(saved);
  EXPECT_EQ(FolderEntries(temp_.path() / "cwd"), std::vector<std::string>{"settings.ini"});
  EXPECT_EQ(loaded.indexConstant, "18");
}

TEST_P(SettingsFileTest, FailedWritesLeaveWhatIsThereAlone) {
  ShowInControls(DefaultAppSettings());
  // A file where the data folder should be: no folder chain, no settings.
  WriteFileBytes(DataFolder("blocked"), "precious");
  EXPECT_FALSE(Save("blocked"));
  EXPECT_EQ(FileBytes(DataFolder("blocked")), "precious");
  // A folder where the settings file should be; no temporary file stays behind.
  fs::create_directories(SettingsFile("folder"));
  EXPECT_FALSE(Save("folder"));
  EXPECT_EQ(FolderEntries(SettingsFile("folder").parent_path()), std::vector<std::string>{"settings.ini"});
  EXPECT_EQ(Load("folder").indexConstant, "30");
}

#ifdef _WIN32
TEST_P(SettingsFileTest, FileHeldOpenByAnotherProgramIsLeftAsItWas) {
  const std::string before = "[Settings]\r\nIndex Constant=24\r\n[Other]\r\nKey=kept\r\n";
  WriteFileBytes(SettingsFile(), before);
  int held = _sopen(SettingsFile().string().c_str(), _O_RDONLY | _O_BINARY, _SH_DENYRW);
  ASSERT_GE(held, 0);
  ShowInControls(DefaultAppSettings());
  EXPECT_FALSE(Save());
  _close(held);
  EXPECT_EQ(FileBytes(SettingsFile()), before);
}
#endif

TEST_P(SettingsFileTest, DamagedFilesNeitherStopLoadingNorSaving) {
  const std::string cases[] = {
      std::string("\0\0[Settings]\r\nFeed Rate=\0x\r\n", 28),
      "[Settings",
      "[]\r\n=\r\n==\r\n[Settings]]\r\n=.5\r\n",
      std::string(100000, 'x'),
      "\r\r\n\n\r[Settings]\r\r",
      "\xEF\xBB\xBF[Settings]\r\nFeed Rate=.5",
  };
  const AppSettings saved{"77", "0.3", ".04", "01"};
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string folder = "case" + std::to_string(i);
    SCOPED_TRACE(folder);
    WriteFileBytes(SettingsFile(folder), cases[i]);
    AppSettings s = Load(folder);
    EXPECT_LE(s.feedRate.size(), kFeedRateMaxLength);
    ShowInControls(saved);
    ASSERT_TRUE(Save(folder));
    s = Load(folder);
    EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant, s.feedRate),
              std::tie(saved.indexConstant, saved.feedConstant, saved.feedRate));
    EXPECT_EQ(s.gearStockText, "0" + std::string(153, '1'));
  }
}

INSTANTIATE_TEST_SUITE_P(Stores, SettingsFileTest, ::testing::ValuesIn(AllStores()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace corvanta::testing
