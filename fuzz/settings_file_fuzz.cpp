// Any bytes as the settings file. The start reads it without crashing and
// in one pass, into texts no longer than their fields take; and a save over
// it sets each key so that the next start reads exactly what was saved,
// whatever else the file holds. Its machines are at most 32, each with a
// valid name of its own and values no longer than the fields take, and a
// machine deleted from the text leaves no section of its name.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/ini_text.h"
#include "settings/job_fields.h"
#include "settings/machines.h"
#include "settings/portable_profile_store.h"

namespace {

using namespace corvanta;

// An anonymous file in memory, reached through its descriptor's path: the
// fuzzer may end the process at any moment, and then leaves no file behind.
struct MemoryFile {
  int fd = ::memfd_create("corvanta-settings", 0);
  std::string path = "/proc/self/fd/" + std::to_string(fd);
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const MemoryFile file;
  const std::string text(reinterpret_cast<const char*>(data), size);
  if (::ftruncate(file.fd, 0) != 0 ||
      ::pwrite(file.fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size()))
    std::abort();

  const LoadedSettings loaded = LoadSettingsFile(PortableProfileStore(), file.path);
  const AppSettings& s = loaded.values;
  if (loaded.file != ProfileFile::kRead || s.gearStockText.size() > kGearStockTextMaxLength)
    std::abort();
  for (const JobField& field : kJobFields)
    if (field.setting && (s.*field.setting).size() > field.savedLength) std::abort();

  const MachineList machines = LoadMachineList(PortableProfileStore(), file.path);
  if (machines.machines.size() > kMachineCountLimit) std::abort();
  for (std::size_t i = 0; i < machines.machines.size(); ++i) {
    const Machine& m = machines.machines[i];
    if (!MachineNameProblem(m.name).empty() || FindMachine(machines, m.name) != i ||
        m.values.gearStockText.size() > kGearStockTextMaxLength)
      std::abort();
    for (const JobField& field : kJobFields)
      if (field.setting && (m.values.*field.setting).size() > field.savedLength) std::abort();
  }
  if (!machines.machines.empty()) {
    const std::string section = std::string(kMachineSectionPrefix) + machines.machines[0].name;
    for (const std::string& name : ProfileSectionNames(WithoutProfileSection(text, section)))
      if (SameMachineName(name, section)) std::abort();
  }

  // The edits a save makes, on the text itself: the file system's part of
  // a save (temporary file, sync, rename) is too slow to fuzz.
  std::vector<std::string> keys;
  for (const JobField& field : kJobFields)
    if (field.setting) keys.push_back(field.settingsKey);
  keys.push_back("Change Gears");
  const std::vector<std::string> saved = {"77", "0.3", ".04", "0110"};
  std::string edited = text;
  for (std::size_t i = 0; i < keys.size(); ++i)
    edited = WithProfileValue(edited, "Settings", keys[i], saved[i]);
  const std::vector<std::optional<std::string>> read = FindProfileValues(edited, "Settings", keys);
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (read[i] != saved[i]) std::abort();
  return 0;
}
