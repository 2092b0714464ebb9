// The settings files of a test in a fresh folder, read and written through
// each profile store of the platform in turn: natively our own, under
// Windows also the system's, so that our own cannot drift from the
// functions it stands in for.
#ifndef CORVANTA_TESTS_SETTINGS_STORE_FIXTURE_H
#define CORVANTA_TESTS_SETTINGS_STORE_FIXTURE_H

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "settings/portable_profile_store.h"

#ifdef _WIN32
#include "settings/win32_profile_store.h"
#endif

namespace corvanta::testing {

inline std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary) << bytes;
}

// The parameter names the store: "Portable" or "Win32".
class StoreTest : public ::testing::TestWithParam<const char*> {
 protected:
  StoreTest() {
    std::filesystem::create_directories(temp_);
#ifdef _WIN32
    if (std::string(GetParam()) == "Win32") store_ = std::make_unique<Win32ProfileStore>();
#endif
    if (!store_) store_ = std::make_unique<PortableProfileStore>();
  }
  ~StoreTest() override {
    std::error_code ec;
    std::filesystem::remove_all(temp_, ec);
  }

  // Cases that write a file of their own take a data folder of their own:
  // the system's profile cache notices a rewritten file only by its time.
  std::string Folder(const std::string& name) const { return (temp_ / name).string(); }
  std::filesystem::path File(const std::string& name) const {
    return std::filesystem::path(Folder(name)) / "Tarnwick Works" / "Corvanta" / "settings.ini";
  }

  // A fresh folder below the system's temporary folder, removed at the end.
  const std::filesystem::path temp_ =
      std::filesystem::temp_directory_path() /
      ("corvanta-settings-" +
       std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
  std::unique_ptr<ProfileStore> store_;
};

// Every store of the platform.
inline const char* const kStores[] = {"Portable",
#ifdef _WIN32
                                      "Win32"
#endif
};

}  // namespace corvanta::testing

#endif
