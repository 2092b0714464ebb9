// Saved machines in the settings file, the same cases against every profile
// store of the platform; and the files of version 1.21.0, which knows no
// machines, read as before in both directions.
#include "settings/machines.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "settings/app_settings.h"
#include "tests/settings/store_fixture.h"

#ifndef _WIN32
#include "tests/support/file_faults.h"
#endif

namespace corvanta {
namespace {
using testing::FileBytes;
using testing::WriteFileBytes;

auto Values(const AppSettings& s) {
  return std::tie(s.indexConstant, s.feedConstant, s.feedRate, s.gearStockText);
}

// The names of `list`, with "*" before the current one.
std::vector<std::string> Names(const MachineList& list) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < list.machines.size(); ++i)
    names.push_back((list.current == i ? "*" : "") + list.machines[i].name);
  return names;
}

class MachinesTest : public testing::StoreTest {
 protected:
  MachineList List(const std::string& name) const { return LoadMachines(*store_, Folder(name)); }
  std::string Save(const std::string& name, std::string_view machine, const AppSettings& s) {
    return SaveMachine(machine, s, *store_, Folder(name));
  }
};

const AppSettings kMill = {"40", "2.5", ".030", "1111100010000000000000011"};
const AppSettings kLathe = {"24", "0.0625", ".02", "0000000000000011111111111111111111"};

// Save, list, choose, replace, delete and start again; "Save Settings"
// and the machines leave each other's values alone.
TEST_P(MachinesTest, SavedMachinesComeBackAtTheNextStart) {
  const AppSettings settings = {"30", "0.075", ".025", "01"};
  ASSERT_EQ(SaveSettings(settings, *store_, Folder("shop")), "");
  ASSERT_EQ(Save("shop", "Mill 2", kMill), "");
  ASSERT_EQ(Save("shop", "Lathe & Hob", kLathe), "");
  MachineList list = List("shop");
  EXPECT_EQ(list.file, ProfileFile::kRead);
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Mill 2", "*Lathe & Hob"}));
  EXPECT_EQ(Values(list.machines[0].values), Values(kMill));
  EXPECT_EQ(Values(list.machines[1].values), Values(kLathe));

  ASSERT_EQ(SetCurrentMachine("mill 2", *store_, Folder("shop")), "");
  EXPECT_EQ(Names(List("shop")), (std::vector<std::string>{"*Mill 2", "Lathe & Hob"}));
  EXPECT_NE(SetCurrentMachine("Mill 3", *store_, Folder("shop")), "");

  // The same name in other letters replaces the machine, keeping its place
  // and the file's spelling.
  ASSERT_EQ(Save("shop", "LATHE & HOB", kMill), "");
  list = List("shop");
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Mill 2", "*Lathe & Hob"}));
  EXPECT_EQ(Values(list.machines[1].values), Values(kMill));

  ASSERT_EQ(DeleteMachine("lathe & hob", *store_, Folder("shop")), "");
  EXPECT_EQ(Names(List("shop")), std::vector<std::string>{"Mill 2"});
  EXPECT_NE(DeleteMachine("Lathe & Hob", *store_, Folder("shop")), "");
  EXPECT_EQ(Values(LoadSettings(*store_, Folder("shop"))), Values(settings));

  const AppSettings later = {"60", "1", ".01", "1"};
  ASSERT_EQ(SaveSettings(later, *store_, Folder("shop")), "");
  list = List("shop");
  EXPECT_EQ(Names(list), std::vector<std::string>{"Mill 2"});
  EXPECT_EQ(Values(list.machines[0].values), Values(kMill));
  EXPECT_EQ(Values(LoadSettings(*store_, Folder("shop"))), Values(later));
  ASSERT_EQ(SetCurrentMachine(std::nullopt, *store_, Folder("shop")), "");
  EXPECT_EQ(Names(List("shop")), std::vector<std::string>{"Mill 2"});
}

// Version 1.21.0 wrote the section "Settings" alone and reads only its four
// keys. Its files give no machines, and the section's lines survive the
// saving of machines byte for byte, so that 1.21.0 reads what it saved.
TEST_P(MachinesTest, Version1_21FilesReadAsBeforeBothWays) {
  const std::string old =
      "[Settings]\r\nIndex Constant=48\r\nFeed Constant=0.1\r\nFeed Rate=.035\r\n"
      "Change Gears=00000000000000111111\r\n";
  WriteFileBytes(File("old"), old);
  const MachineList none = List("old");
  EXPECT_EQ(none.file, ProfileFile::kRead);
  EXPECT_TRUE(none.machines.empty());
  EXPECT_FALSE(none.current);

  ASSERT_EQ(Save("old", "Mill 2", kMill), "");
  ASSERT_EQ(Save("old", "Mill 3", kLathe), "");
  const std::string saved = FileBytes(File("old"));
  EXPECT_EQ(saved.rfind(old, 0), 0u) << saved;
  const AppSettings expected = {"48", "0.1", ".035", "00000000000000111111"};
  EXPECT_EQ(Values(LoadSettingsFile(*store_, File("old").string()).values), Values(expected));

  // Machine sections before and after "Settings", the current machine's
  // values different from the section's: the section's values are read.
  WriteFileBytes(File("mixed"),
                 "[Machine: A]\r\nIndex Constant=1\r\nFeed Rate=.001\r\n[Settings]\r\n"
                 "Machine=A\r\nIndex Constant=48\r\nFeed Constant=0.1\r\nFeed Rate=.035\r\n"
                 "Change Gears=00000000000000111111\r\n[Machine: B]\r\nIndex Constant=2\r\n");
  EXPECT_EQ(Values(LoadSettingsFile(*store_, File("mixed").string()).values), Values(expected));
  EXPECT_EQ(Names(List("mixed")), (std::vector<std::string>{"*A", "B"}));
}

// A name is 1 to 40 printable characters without brackets, blanks at its
// ends, a leading ';' or surrounding quotes; the ones taken survive the
// file, and a refusal leaves the file alone.
TEST_P(MachinesTest, NamesAtAndPastTheirLimits) {
  const std::string forty(40, 'x');
  const struct {
    std::string name;
    bool taken;
  } names[] = {
      {"A", true},
      {forty, true},
      {"Mill #2 = 50% & more; 'B' \"C\" ~^`!", true},
      {"O'Brien's", true},
      {"a;b", true},
      {"", false},
      {forty + "x", false},
      {"Mill [2]", false},
      {"Mill ]", false},
      {" Mill", false},
      {"Mill ", false},
      {";Mill", false},
      {"'Mill'", false},
      {"\"Mill\"", false},
      {"Mill\t2", false},
      {"Mill\r\n[Settings]", false},
      {std::string("Mill\0002", 6), false},
      {"Mill\x7F", false},
      {"M\xC3\xBChle", false},
      {"\xFF", false},
  };
  std::vector<std::string> expected;
  for (const auto& n : names) {
    SCOPED_TRACE(n.name);
    EXPECT_EQ(MachineNameProblem(n.name).empty(), n.taken);
    const std::string before = FileBytes(File("names"));
    const std::string problem = Save("names", n.name, kMill);
    EXPECT_EQ(problem.empty(), n.taken) << problem;
    if (n.taken) {
      expected.push_back(n.name);
    } else {
      EXPECT_EQ(FileBytes(File("names")), before);
    }
  }
  const MachineList list = List("names");
  std::vector<std::string> found;
  for (const Machine& m : list.machines) found.push_back(m.name);
  EXPECT_EQ(found, expected);
  ASSERT_TRUE(list.current);
  EXPECT_EQ(list.machines[*list.current].name, expected.back());
}

// A damaged machine section is read by the rules of "Settings" and spoils
// none but itself; sections that cannot be machines are passed over.
TEST_P(MachinesTest, DamagedSectionsSpoilOnlyThemselves) {
  const std::string longName(41, 'n');
  WriteFileBytes(File("damaged"),
                 "junk before any section\r\n"
                 "[Machine: Empty]\r\n"
                 "[Machine: Junk]\r\n\x01\xFF garbage\r\nFeed Rate\r\n=\r\nIndex Constant=7\r\n"
                 "[Machine: Long]\r\nIndex Constant=1234567890\r\nChange Gears=" +
                     std::string(200, '1') +
                     "\r\n"
                     "[machine: junk]\r\nIndex Constant=99\r\n"
                     "[Machine: " +
                     longName +
                     "]\r\nIndex Constant=3\r\n"
                     "[Machine:  Blank]\r\n[Machine:NoBlank]\r\n[Machine: ]\r\n[Machine]\r\n"
                     "[Settings]\r\nMachine=JUNK\r\n"
                     "[Machine: Last]\r\nFeed Constant=\"2.5\"\r\n");
  const MachineList list = List("damaged");
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Empty", "*Junk", "Long", "Last"}));
  ASSERT_EQ(list.machines.size(), 4u);
  EXPECT_EQ(Values(list.machines[0].values), Values(DefaultAppSettings()));
  EXPECT_EQ(list.machines[1].values.indexConstant, "7");
  EXPECT_EQ(list.machines[1].values.feedRate, ".025");
  EXPECT_EQ(list.machines[2].values.indexConstant, "123456");
  EXPECT_EQ(list.machines[2].values.gearStockText, std::string(154, '1'));
  EXPECT_EQ(list.machines[3].values.feedConstant, "2.5");
  // Deleting a machine deletes every section of its name: none comes back.
  ASSERT_EQ(DeleteMachine("JUNK", *store_, Folder("damaged")), "");
  EXPECT_EQ(Names(List("damaged")), (std::vector<std::string>{"Empty", "Long", "Last"}));

  // A "Machine" key that names no machine, or names one only when cut to
  // a name's length, makes none current.
  const std::string keys[] = {"Nothing", "Last" + std::string(40, ' ') + "x", longName};
  for (std::size_t i = 0; i < std::size(keys); ++i) {
    SCOPED_TRACE(keys[i]);
    const std::string folder = "key" + std::to_string(i);
    WriteFileBytes(File(folder), "[Machine: " + std::string(40, 'n') +
                                     "]\r\n[Machine: Last]\r\n[Settings]\r\nMachine=" + keys[i] +
                                     "\r\n");
    EXPECT_FALSE(List(folder).current);
  }
}

// At most 32 machines: a 33rd is refused with its reason and the file left
// alone; one of the 32 is still replaced, and a file with more gives 32.
TEST_P(MachinesTest, ThirtyTwoMachinesAtMost) {
  std::string many = "[Settings]\r\nMachine=M40\r\n";
  for (int i = 1; i <= 40; ++i) many += "[Machine: M" + std::to_string(i) + "]\r\n";
  WriteFileBytes(File("many"), many);
  const MachineList read = List("many");
  EXPECT_EQ(read.machines.size(), 32u);
  EXPECT_EQ(read.machines.back().name, "M32");
  EXPECT_FALSE(read.current);

  for (int i = 1; i <= 32; ++i)
    ASSERT_EQ(Save("full", "Machine " + std::to_string(i), kMill), "") << i;
  const std::string before = FileBytes(File("full"));
  EXPECT_EQ(Save("full", "Machine 33", kMill),
            "a settings file holds at most 32 machines: delete one first");
  EXPECT_EQ(FileBytes(File("full")), before);
  EXPECT_EQ(Save("full", "MACHINE 7", kLathe), "");
  const MachineList full = List("full");
  EXPECT_EQ(full.machines.size(), 32u);
  EXPECT_EQ(Values(full.machines[6].values), Values(kLathe));
}

// A file so large that saving a machine could cut it down (losing the
// lines a start does not read, such as the shop's own notes) is refused,
// whole.
TEST_P(MachinesTest, AFileNearTheSizeLimitIsRefusedWhole) {
  const std::string big =
      "[Settings]\r\nIndex Constant=48\r\n;" + std::string(kProfileFileLimit - 2000, 'x') + "\r\n";
  WriteFileBytes(File("big"), big);
  EXPECT_NE(Save("big", "Mill 2", kMill), "");
  EXPECT_EQ(FileBytes(File("big")), big);
}

#ifndef _WIN32
// A full disk while a machine is saved or deleted: the old file byte for
// byte and nothing else in its folder.
TEST_P(MachinesTest, FullDiskKeepsTheOldFileByteForByte) {
  const std::string old =
      "[Settings]\r\nIndex Constant=42\r\nMachine=Mill 2\r\n[Machine: Mill 2]\r\n"
      "Index Constant=40\r\n; the shop's own note\r\n";
  const struct {
    const char* what;
    std::function<std::string()> change;
  } changes[] = {
      {"a new machine", [&] { return Save("disk", "Mill 3", kLathe); }},
      {"a machine replaced", [&] { return Save("disk", "mill 2", kLathe); }},
      {"a machine deleted", [&] { return DeleteMachine("Mill 2", *store_, Folder("disk")); }},
  };
  for (const auto& c : changes) {
    SCOPED_TRACE(c.what);
    WriteFileBytes(File("disk"), old);
    {
      const testing::FileSizeLimit fullDisk(16);
      EXPECT_NE(c.change(), "");
    }
    EXPECT_EQ(FileBytes(File("disk")), old);
    EXPECT_EQ(testing::FolderEntries(File("disk").parent_path()),
              std::vector<std::string>{"settings.ini"});
  }
}
#endif

INSTANTIATE_TEST_SUITE_P(Stores, MachinesTest, ::testing::ValuesIn(testing::kStores),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace corvanta
