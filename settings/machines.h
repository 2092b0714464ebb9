// Named machines in the settings file: each hobbing machine of a shop with
// its own index constant, feed constant, feed rate and change gears.
//
// The section "Settings" keeps its four keys (the values the window starts
// with) and gains the key "Machine", the name of the current machine. Each
// machine is a section "Machine: <name>" with the same four keys, read by
// the same rules. A program that knows no machines reads the file as ever.
#ifndef CORVANTA_SETTINGS_MACHINES_H
#define CORVANTA_SETTINGS_MACHINES_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/app_settings.h"
#include "settings/profile_store.h"

namespace corvanta {

inline constexpr std::size_t kMachineNameMaxLength = 40;
inline constexpr std::size_t kMachineCountLimit = 32;
// A machine's section is this and its name.
inline constexpr std::string_view kMachineSectionPrefix = "Machine: ";
// The key of section "Settings" that names the current machine.
inline constexpr std::string_view kCurrentMachineKey = "Machine";

// "" when `name` may name a machine, else why not, as one sentence that
// can follow "The name ": 1 to 40 printable ASCII characters, no
// brackets, no blank at either end, no ';' first, not wrapped in quotes
// (the file could not give such a name back as it was written).
std::string MachineNameProblem(std::string_view name);

// Names are compared without regard to (ASCII) case, as the profile
// functions compare section names: "Mill 2" and "MILL 2" are one machine.
bool SameMachineName(std::string_view a, std::string_view b);

// Whether `section` is a machine's section by its name's prefix.
bool IsMachineSection(std::string_view section);

// Whether the values of a machine and the window's are the same: the three
// field texts exactly, the gear stocks cell by cell (GearStockCellText), so
// that a short saved text equals the 154 cells made from it.
bool SameMachineValues(const AppSettings& a, const AppSettings& b);

struct Machine {
  std::string name;  // as the file spells it
  AppSettings values;
};

struct MachineList {
  ProfileFile file = ProfileFile::kMissing;
  std::vector<Machine> machines;       // in the file's order
  std::optional<std::size_t> current;  // into machines; none when "Machine" names none of them
};

// The machines of the settings file at `path`. A section counts as a
// machine when its name is the prefix and a valid name; its keys are read
// as "Settings" reads them (missing ones give their defaults, long ones are
// cut), so a damaged section spoils none but itself. Of sections whose
// names differ only in case, the first is the machine (see the .cpp); past
// kMachineCountLimit machines, the rest are not read.
MachineList LoadMachineList(const ProfileStore& store, const std::string& path);
// The same from the settings file below `dataFolder` (see LocateSettings).
MachineList LoadMachines(const ProfileStore& store, const std::optional<std::string>& dataFolder);

// The machine named `name` (without regard to case), if any.
std::optional<std::size_t> FindMachine(const MachineList& list, std::string_view name);

// Saves `values` as the machine `name` in the settings file below
// `dataFolder` (whose folder chain is created first) and makes it the
// current machine. A machine of the same name, in whatever case, is
// replaced and keeps the file's spelling of the name. Refused, with the
// file as it was: an invalid name, a 33rd machine, a file too close to the
// size a start reads. "" when saved, else the reason why not.
std::string SaveMachine(std::string_view name, const AppSettings& values, ProfileStore& store,
                        const std::optional<std::string>& dataFolder);

// Removes the machine `name` (every section of its name); when it was
// current, no machine is current afterwards. "" when removed, else why not.
std::string DeleteMachine(std::string_view name, ProfileStore& store,
                          const std::optional<std::string>& dataFolder);

// Makes the saved machine `name` current, or none with nullopt. "" when
// written, else why not.
std::string SetCurrentMachine(const std::optional<std::string>& name, ProfileStore& store,
                              const std::optional<std::string>& dataFolder);

}  // namespace corvanta

#endif
