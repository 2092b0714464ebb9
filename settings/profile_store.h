// Access to private-profile (INI) files, behind one small interface so that
// the settings code runs on Windows through the system's profile functions
// and elsewhere through our own reader and writer with the same semantics.
#ifndef CORVANTA_SETTINGS_PROFILE_STORE_H
#define CORVANTA_SETTINGS_PROFILE_STORE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace corvanta {

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The value of `key` in section `section` of the file at `path`, as
  // GetPrivateProfileStringA gives it into a buffer of `bufferSize`
  // characters: names compared without regard to case, blanks around the
  // value and one pair of surrounding quotes removed, then cut to
  // bufferSize - 1 characters. A missing file, section or key, or a key line
  // without '=', gives `defaultValue` (cut the same way).
  virtual std::string ReadString(const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& defaultValue,
                                 std::size_t bufferSize) const = 0;

  // Sets the key, creating the file and the section when missing and keeping
  // every other line. A value is one line: it is written up to its first line
  // break or zero character, so that no value can add keys or sections.
  // False when the file could not be written; the file is then as it was.
  virtual bool WriteString(const std::string& path, const std::string& section,
                           const std::string& key, std::string_view value) = 0;

  // Makes the writes to `path` reach the disk.
  virtual void Flush(const std::string& path) = 0;

  // Creates `folder` and every missing folder above it. False when it does
  // not exist afterwards.
  virtual bool CreateFolders(const std::string& folder) = 0;
};

// The store the program itself uses: the system's profile functions on
// Windows, the portable store elsewhere.
ProfileStore& SystemProfileStore();

// The part of `value` that a single INI line can hold.
inline std::string_view SingleLineValue(std::string_view value) {
  return value.substr(0, value.find_first_of(std::string_view("\r\n\0", 3)));
}

}  // namespace corvanta

#endif
