// Any bytes as the settings file. The start reads it without crashing and
// in one pass, into texts no longer than their fields take; and a save over
// it sets each key so that the next start reads exactly what was saved,
// whatever else the file holds.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "settings/ini_text.h"
#include "settings/portable_profile_store.h"

namespace {

using namespace corvanta;

// One file per fuzzing process, in memory where the system offers it.
const std::string& SettingsPath() {
  static const std::string path = [] {
    const std::string folder = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return folder + "/corvanta-settings-fuzz-" + std::to_string(::getpid()) + ".ini";
  }();
  return path;
}

void RemoveSettingsFile() { std::remove(SettingsPath().c_str()); }

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::atexit(RemoveSettingsFile);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::FILE* file = std::fopen(SettingsPath().c_str(), "wb");
  if (file == nullptr) std::abort();
  std::fwrite(text.data(), 1, text.size(), file);
  std::fclose(file);

  const LoadedSettings loaded = LoadSettingsFile(PortableProfileStore(), SettingsPath());
  const AppSettings& s = loaded.values;
  if (loaded.file != ProfileFile::kRead || s.indexConstant.size() > kIndexConstantMaxLength ||
      s.feedConstant.size() > kFeedConstantMaxLength || s.feedRate.size() > kFeedRateMaxLength ||
      s.gearStockText.size() > kGearStockTextMaxLength)
    std::abort();

  // The edits a save makes, on the text itself: the file system's part of
  // a save (temporary file, sync, rename) is too slow to fuzz.
  const std::vector<std::string> keys = {"Index Constant", "Feed Constant", "Feed Rate",
                                         "Change Gears"};
  const std::vector<std::string> saved = {"77", "0.3", ".04", "0110"};
  std::string edited = text;
  for (std::size_t i = 0; i < keys.size(); ++i)
    edited = WithProfileValue(edited, "Settings", keys[i], saved[i]);
  const std::vector<std::optional<std::string>> read = FindProfileValues(edited, "Settings", keys);
  for (std::size_t i = 0; i < keys.size(); ++i)
    if (read[i] != saved[i]) std::abort();
  return 0;
}
