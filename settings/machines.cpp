#include "settings/machines.h"

#include <filesystem>
#include <system_error>

#include "settings/gear_stock_text.h"
#include "settings/ini_text.h"
#include "settings/job_fields.h"
#include "settings/settings_location.h"

namespace corvanta {
namespace {

const std::string kSettings(kSettingsSection);

// A save adds at most a machine's section (header, four keys with values
// of their saved lengths: under 400 bytes) and the "Machine" key. A file
// with less room than this left below kProfileFileLimit would be cut down
// (CutProfileText), losing what else the file holds; such a file is refused
// instead.
constexpr std::uintmax_t kMachineSaveRoom = 4096;

// Read with room for one character more than a name has, so that a longer
// value stays too long to match a machine rather than being cut into one.
constexpr std::size_t kCurrentMachineBuffer = kMachineNameMaxLength + 2;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsPrintableAscii(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte >= 0x20 && byte < 0x7F;
}

// The machine's name when `section` is the section of one.
std::optional<std::string> MachineNameOfSection(const std::string& section) {
  if (!IsMachineSection(section)) return std::nullopt;
  std::string name = section.substr(kMachineSectionPrefix.size());
  if (!MachineNameProblem(name).empty()) return std::nullopt;
  return name;
}

std::string SectionOf(std::string_view name) {
  return std::string(kMachineSectionPrefix) + std::string(name);
}

// What a start reads back of `values`: each text cut to its saved length.
AppSettings AsSaved(AppSettings values) {
  for (const JobField& field : kJobFields)
    if (field.setting && (values.*field.setting).size() > field.savedLength)
      (values.*field.setting).resize(field.savedLength);
  if (values.gearStockText.size() > kGearStockTextMaxLength)
    values.gearStockText.resize(kGearStockTextMaxLength);
  return values;
}

// "" when a save may add to the file at `path`, else why not.
std::string RoomProblem(const std::string& path) {
  std::error_code ec;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (!ec && size > kProfileFileLimit - kMachineSaveRoom)
    return "the settings file is too large to take a machine (over " +
           std::to_string(kProfileFileLimit - kMachineSaveRoom) + " bytes)";
  return {};
}

std::string WriteCurrentMachine(const std::string& file, const std::string& name,
                                ProfileStore& store) {
  std::string problem =
      store.WriteStrings(file, kSettings, {{std::string(kCurrentMachineKey), name}});
  store.Flush(file);
  return problem;
}

}  // namespace

std::string MachineNameProblem(std::string_view name) {
  if (name.empty()) return "is empty";
  if (name.size() > kMachineNameMaxLength)
    return "is longer than " + std::to_string(kMachineNameMaxLength) + " characters";
  for (char c : name) {
    if (!IsPrintableAscii(c)) return "holds a character that is not a printable ASCII character";
    if (c == '[' || c == ']') return "holds a bracket";
  }
  if (IsBlank(name.front()) || IsBlank(name.back())) return "starts or ends with a blank";
  if (name.front() == ';') return "starts with ';'";
  // The file's reader takes one pair of surrounding quotes off a value, as
  // the "Machine" key is.
  if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') &&
      name.back() == name.front())
    return "is wrapped in quotes";
  return {};
}

bool SameMachineName(std::string_view a, std::string_view b) { return SameProfileName(a, b); }

bool IsMachineSection(std::string_view section) {
  return section.size() >= kMachineSectionPrefix.size() &&
         SameProfileName(section.substr(0, kMachineSectionPrefix.size()), kMachineSectionPrefix);
}

bool SameMachineValues(const AppSettings& a, const AppSettings& b) {
  for (const JobField& field : kJobFields)
    if (field.setting && a.*field.setting != b.*field.setting) return false;
  for (std::size_t cell = 0; cell < kGearStockCellCount; ++cell)
    if (GearStockCellText(a.gearStockText, cell) != GearStockCellText(b.gearStockText, cell))
      return false;
  return true;
}

MachineList LoadMachineList(const ProfileStore& store, const std::string& path) {
  MachineList list;
  const ProfileSections sections = store.SectionNames(path);
  list.file = sections.file;
  if (sections.file != ProfileFile::kRead) return list;
  for (const std::string& section : sections.names) {
    const std::optional<std::string> name = MachineNameOfSection(section);
    // The profile functions read and write only the first section of a
    // name, whatever its case: a later "Machine: mill 2" after "Machine:
    // Mill 2" can be neither read nor saved, so it is no machine of its own.
    if (!name || FindMachine(list, *name)) continue;
    if (list.machines.size() == kMachineCountLimit) break;
    list.machines.push_back({*name, LoadSettingsSection(store, path, section).values});
  }
  const ProfileValues current = store.ReadStrings(
      path, kSettings, {{std::string(kCurrentMachineKey), "", kCurrentMachineBuffer}});
  if (current.file == ProfileFile::kRead && !current.values.empty())
    list.current = FindMachine(list, current.values.front());
  return list;
}

MachineList LoadMachines(const ProfileStore& store, const std::optional<std::string>& dataFolder) {
  return LoadMachineList(store, LocateSettings(dataFolder).file);
}

std::optional<std::size_t> FindMachine(const MachineList& list, std::string_view name) {
  for (std::size_t i = 0; i < list.machines.size(); ++i)
    if (SameMachineName(list.machines[i].name, name)) return i;
  return std::nullopt;
}

std::string SaveMachine(std::string_view name, const AppSettings& values, ProfileStore& store,
                        const std::optional<std::string>& dataFolder) {
  if (std::string problem = MachineNameProblem(name); !problem.empty())
    return "the name " + problem;
  const SettingsLocation location = LocateSettings(dataFolder);
  const std::string& file = location.file;
  if (std::string problem = RoomProblem(file); !problem.empty()) return problem;
  const MachineList list = LoadMachineList(store, file);
  const std::optional<std::size_t> existing = FindMachine(list, name);
  if (!existing && list.machines.size() >= kMachineCountLimit)
    return "a settings file holds at most " + std::to_string(kMachineCountLimit) +
           " machines: delete one first";
  const std::string saved = existing ? list.machines[*existing].name : std::string(name);
  // An existing folder is fine, and a failure shows in the write below.
  if (location.folder) store.CreateFolders(*location.folder);
  std::string problem =
      store.WriteStrings(file, SectionOf(saved), SettingsEntries(AsSaved(values)));
  store.Flush(file);
  if (!problem.empty()) return problem;
  return WriteCurrentMachine(file, saved, store);
}

std::string DeleteMachine(std::string_view name, ProfileStore& store,
                          const std::optional<std::string>& dataFolder) {
  const std::string file = LocateSettings(dataFolder).file;
  const MachineList list = LoadMachineList(store, file);
  const std::optional<std::size_t> found = FindMachine(list, name);
  if (!found) return "no saved machine is named \"" + std::string(name) + "\"";
  std::string problem = store.DeleteSection(file, SectionOf(list.machines[*found].name));
  store.Flush(file);
  if (!problem.empty() || list.current != found) return problem;
  return WriteCurrentMachine(file, "", store);
}

std::string SetCurrentMachine(const std::optional<std::string>& name, ProfileStore& store,
                              const std::optional<std::string>& dataFolder) {
  const std::string file = LocateSettings(dataFolder).file;
  if (!name) {
    std::error_code ec;
    // Without a file no machine is current: nothing to write.
    return std::filesystem::exists(file, ec) ? WriteCurrentMachine(file, "", store) : "";
  }
  const MachineList list = LoadMachineList(store, file);
  const std::optional<std::size_t> found = FindMachine(list, *name);
  if (!found) return "no saved machine is named \"" + *name + "\"";
  if (std::string problem = RoomProblem(file); !problem.empty()) return problem;
  return WriteCurrentMachine(file, list.machines[*found].name, store);
}

}  // namespace corvanta
