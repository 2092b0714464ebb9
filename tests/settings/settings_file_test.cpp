// Loading and saving the settings file, the same cases against every profile
// store of the platform: natively our own, under Windows also the system's,
// so that our own cannot drift from the functions it stands in for.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <tuple>

#include "settings/app_settings.h"
#include "settings/job_fields.h"
#include "tests/settings/store_fixture.h"

#ifndef _WIN32
#include "tests/support/file_faults.h"
#endif

namespace corvanta {
namespace {
namespace fs = std::filesystem;

using testing::FileBytes;
using testing::WriteFileBytes;

class SettingsFileTest : public testing::StoreTest {
 protected:
  AppSettings Load(const std::string& name) { return LoadSettings(*store_, Folder(name)); }
  // "" when saved, else the reason why not.
  std::string Save(const std::string& name, const AppSettings& s) {
    return SaveSettings(s, *store_, Folder(name));
  }
};

TEST_P(SettingsFileTest, NoFileGivesTheDefaultsAndSavingThemCreatesTheFolderChain) {
  const AppSettings s = Load("ProgramData");
  EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant, s.feedRate),
            std::make_tuple("30", "0.075", ".025"));
  EXPECT_FALSE(fs::exists(Folder("ProgramData")));
  ASSERT_EQ(Save("ProgramData", s), "");  // the data folder itself is missing too
  EXPECT_EQ(FileBytes(File("ProgramData")),
            "[Settings]\r\nIndex Constant=30\r\nFeed Constant=0.075\r\nFeed Rate=.025\r\n"
            "Change Gears=" +
                std::string(14, '0') + std::string(61, '1') + "0\r\n");
}

// Each file is read as the profile functions read it, damaged ones too (the
// settings fuzz target saves over any bytes and reads them back).
TEST_P(SettingsFileTest, ValuesAreReadAsTheProfileFunctionsReadThem) {
  // A feed constant keeps 40 characters, more than its field can be typed
  // with: files that hold such constants read as they always have.
  const std::string feedConstant = "0.0750000000000000000000000000000000000123";
  const struct {
    std::string text;
    std::string AppSettings::*field;  // nullptr: only loading must work
    std::string expected;
  } cases[] = {
      {"[settings]\r\nFeed Rate=0.0123456789123\r\n", &AppSettings::feedRate, "0.01234567"},
      {"[Settings]\r\nFeed Constant=" + feedConstant + "\r\n", &AppSettings::feedConstant,
       feedConstant.substr(0, 40)},
      {"[settings]\r\nFeed Rate=\".05\"\r\n", &AppSettings::feedRate, ".05"},
      {"[settings]\r\nFeed Rate\r\n", &AppSettings::feedRate, ".025"},  // no '=': no value
      {std::string("\0\0[Settings]\r\nFeed Rate=\0x\r\n", 28), nullptr, ""},
      {"[Settings]\r\nFeed Rate=.01\r\nFeed Rate=.02\r\n", &AppSettings::feedRate, ".01"},
      {"\xEF\xBB\xBF[Settings]\r\nFeed Rate=.03\r\n", &AppSettings::feedRate, ".03"},
      {"[Settings]\nFeed Rate=.04\n", &AppSettings::feedRate, ".04"},
      {"[Settings]\rFeed Rate=.05\r", &AppSettings::feedRate, ".05"},
      {"\x8F\xFF\x01[\xB5=\x7F\xDE\x13]\x9A", &AppSettings::indexConstant, "30"},  // no text at all
  };
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    const std::string folder = "case" + std::to_string(i);
    SCOPED_TRACE(cases[i].text);
    WriteFileBytes(File(folder), cases[i].text);
    AppSettings s = Load(folder);
    if (cases[i].field) {
      EXPECT_EQ(s.*cases[i].field, cases[i].expected);
    }
    EXPECT_LE(s.feedRate.size(), JobFieldOf(JobFieldId::kFeedRate).savedLength);
  }
}

// A line break in a field must not smuggle keys into the file.
TEST_P(SettingsFileTest, SavedValuesAreCleanedUp) {
  ASSERT_EQ(Save("data", {"24", "0.1\r\n[Settings]\r\nIndex Constant=9", ".02", "0"}), "");
  const AppSettings s = Load("data");
  EXPECT_EQ(std::tie(s.indexConstant, s.feedConstant), std::make_tuple("24", "0.1"));
}

TEST_P(SettingsFileTest, FailedWriteLeavesWhatIsThereAlone) {
  // A file where the data folder should be: no folder chain, no settings.
  WriteFileBytes(Folder("blocked"), "precious");
  EXPECT_NE(Save("blocked", DefaultAppSettings()), "");
  EXPECT_EQ(FileBytes(Folder("blocked")), "precious");
  // A folder where the file should be.
  fs::create_directories(File("folder"));
  EXPECT_NE(Save("folder", DefaultAppSettings()), "");
  EXPECT_TRUE(fs::is_empty(File("folder")));
}

// A file too large to be a settings file is not read at all, and the caller
// learns why; a file of exactly the limit is read. Whatever a save leaves
// is read by the next start: the rest of the file is kept while the saved
// file stays within the limit; when it would not, only what a start reads
// is kept, the settings and the machines (of a file too large to have been
// read, only the saved section).
TEST_P(SettingsFileTest, WhatASaveLeavesIsReadAtTheNextStart) {
  const std::string section =
      "[Machine: Hob 6]\r\nFeed Rate=.05\r\n[Settings]\r\nFeed Rate=.07\r\n";
  const auto fileOf = [&](std::uintmax_t size) {  // the sections come last
    return ";" + std::string(size - section.size() - 3, 'x') + "\r\n" + section;
  };
  WriteFileBytes(File("limit"), fileOf(kProfileFileLimit));
  LoadedSettings loaded = LoadSettingsFile(*store_, File("limit").string());
  EXPECT_EQ(loaded.file, ProfileFile::kRead);
  EXPECT_EQ(loaded.values.feedRate, ".07");

  WriteFileBytes(File("over"), fileOf(kProfileFileLimit + 1));
  loaded = LoadSettingsFile(*store_, File("over").string());
  EXPECT_EQ(loaded.file, ProfileFile::kTooLarge);
  EXPECT_EQ(loaded.values.feedRate, ".025");

  // The save below adds three lines of 55 bytes in all to the section.
  const AppSettings saved = {"77", "0.3", ".04", "01"};
  const std::string cut =
      "[Machine: Hob 6]\r\nFeed Rate=.05\r\n[Settings]\r\nFeed Rate=.04\r\nIndex Constant=77\r\n"
      "Feed Constant=0.3\r\nChange Gears=01\r\n";
  const std::string alone =
      "[Settings]\r\nIndex Constant=77\r\nFeed Constant=0.3\r\nFeed Rate=.04\r\n"
      "Change Gears=01\r\n";
  const struct {
    const char* name;
    std::uintmax_t size;
    const std::string* left;  // nullptr: the whole file, comment line included
  } files[] = {
      {"fits after the save", kProfileFileLimit - 55, nullptr},
      {"one byte too many after the save", kProfileFileLimit - 54, &cut},
      {"at the limit", kProfileFileLimit, &cut},
      {"over the limit", kProfileFileLimit + 1, &alone},
  };
  for (const auto& f : files) {
    SCOPED_TRACE(f.name);
    WriteFileBytes(File(f.name), fileOf(f.size));
    ASSERT_EQ(Save(f.name, saved), "");
    const std::string bytes = FileBytes(File(f.name));
    EXPECT_LE(bytes.size(), kProfileFileLimit);
    if (f.left == nullptr) {
      EXPECT_EQ(bytes.size(), kProfileFileLimit);
      EXPECT_EQ(bytes.rfind(";xxx", 0), 0u);
    } else {
      EXPECT_EQ(bytes, *f.left);
    }
    loaded = LoadSettingsFile(*store_, File(f.name).string());
    EXPECT_EQ(loaded.file, ProfileFile::kRead);
    EXPECT_EQ(
        std::tie(loaded.values.indexConstant, loaded.values.feedConstant, loaded.values.feedRate,
                 loaded.values.gearStockText),
        std::tie(saved.indexConstant, saved.feedConstant, saved.feedRate, saved.gearStockText));
  }
}

#ifndef _WIN32
// A save that fails part-way leaves the old file byte for byte and nothing
// else in its folder: on a full disk, in a folder that cannot be written,
// and when the new file cannot be renamed over the old one.
TEST_P(SettingsFileTest, FailedSaveKeepsTheOldFileByteForByte) {
  const std::string old = "[Settings]\r\nIndex Constant=42\r\n; the shop's own note\r\n";
  const auto applied = [](auto guard) { return guard->Applied() ? guard : nullptr; };
  const struct {
    const char* fault;
    std::function<std::shared_ptr<void>(const fs::path& file)> make;  // nullptr: not here
  } faults[] = {
      {"full disk", [](const fs::path&) { return std::make_shared<testing::FileSizeLimit>(16); }},
      {"read-only folder",
       [&](const fs::path& file) {
         return applied(std::make_shared<testing::Unchangeable>(file.parent_path().string()));
       }},
      {"failed rename",
       [&](const fs::path& file) {
         return applied(std::make_shared<testing::Unchangeable>(file.string()));
       }},
  };
  std::string notPossible;
  for (const auto& f : faults) {
    SCOPED_TRACE(f.fault);
    WriteFileBytes(File(f.fault), old);
    {
      const std::shared_ptr<void> fault = f.make(File(f.fault));
      if (!fault) {
        notPossible += std::string(" ") + f.fault;
        continue;
      }
      EXPECT_NE(Save(f.fault, {"77", "0.3", ".04", "01"}), "");
    }
    EXPECT_EQ(FileBytes(File(f.fault)), old);
    EXPECT_EQ(testing::FolderEntries(File(f.fault).parent_path()),
              std::vector<std::string>{"settings.ini"});
  }
  if (!notPossible.empty()) GTEST_SKIP() << "faults this machine cannot make:" << notPossible;
}

// A settings file its owner made read-only is kept as it is, as the shell's
// ">" would keep it, though the folder may be written: by its owner, and by
// root only when the file is shut to root too. Root may write over it, as
// ">" may, so under root the owner is "nobody".
TEST_P(SettingsFileTest, FileItsOwnerMadeReadOnlyIsNotReplaced) {
  const std::string old = "[Settings]\r\nIndex Constant=42\r\n";
  const bool root = ::geteuid() == 0;
  WriteFileBytes(File("mine"), old);
  fs::permissions(File("mine"), fs::perms::owner_read | fs::perms::group_read);
  if (root) {
    for (const fs::path& p : {File("mine"), File("mine").parent_path()})
      ASSERT_EQ(::chown(p.c_str(), testing::kNobody, testing::kNobody), 0);
  }
  const AppSettings saved = {"77", "0.3", ".04", "01"};
  const std::optional<int> refused = testing::ExitStatusOfChild(
      root, [&] { return Save("mine", saved) == "Permission denied" ? 0 : 1; });
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(*refused, 0) << "not refused with the system's reason";
  EXPECT_EQ(FileBytes(File("mine")), old);
  EXPECT_EQ(testing::FolderEntries(File("mine").parent_path()),
            std::vector<std::string>{"settings.ini"});

  // Root itself writes it, keeping its mode.
  if (root) {
    EXPECT_EQ(Save("mine", saved), "");
    EXPECT_EQ(Load("mine").indexConstant, "77");
    EXPECT_EQ(fs::status(File("mine")).permissions(),
              fs::perms::owner_read | fs::perms::group_read);
  }
}
#endif

INSTANTIATE_TEST_SUITE_P(Stores, SettingsFileTest, ::testing::ValuesIn(testing::kStores),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace corvanta
