// Scratch folders, file bytes and the list of profile stores, so that each
// settings case runs against every store this platform has.
#ifndef CORVANTA_TESTS_SETTINGS_SETTINGS_TEST_SUPPORT_H
#define CORVANTA_TESTS_SETTINGS_SETTINGS_TEST_SUPPORT_H

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/portable_profile_store.h"
#ifdef _WIN32
#include "settings/win32_profile_store.h"
#endif

namespace corvanta::testing {
namespace fs = std::filesystem;

// A fresh folder below the system's temporary folder, removed at the end:
// settings tests never touch a real user's file.
class TempFolder {
 public:
  TempFolder() {
    static std::atomic<unsigned> counter{0};
    auto now = std::chrono::system_clock::now().time_since_epoch().count();
    path_ = fs::temp_directory_path() /
            ("corvanta-settings-" + std::to_string(now) + "-" + std::to_string(++counter));
    fs::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ec;
    fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// nullopt when there is no regular file to read.
inline std::optional<std::string> FileBytes(const fs::path& file) {
  if (!fs::is_regular_file(file)) return std::nullopt;
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const fs::path& file, const std::string& bytes) {
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

inline std::vector<std::string> FolderEntries(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct StoreMaker {
  std::string name;
  std::function<std::unique_ptr<ProfileStore>()> make;
};
inline void PrintTo(const StoreMaker& maker, std::ostream* out) { *out << maker.name; }

inline std::vector<StoreMaker> AllStores() {
  std::vector<StoreMaker> makers{{"Portable", [] { return std::make_unique<PortableProfileStore>(); }}};
#ifdef _WIN32
  makers.push_back({"Win32", [] { return std::make_unique<Win32ProfileStore>(); }});
#endif
  return makers;
}

}  // namespace corvanta::testing

#endif
