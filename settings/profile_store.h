// Access to private-profile (INI) files, behind one small interface so that
// the settings code runs on Windows through the system's profile functions
// and elsewhere through our own reader and writer with the same semantics.
#ifndef CORVANTA_SETTINGS_PROFILE_STORE_H
#define CORVANTA_SETTINGS_PROFILE_STORE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// A settings file is a few hundred bytes. A larger file than this is not
// read at all: it cannot be one, and reading it would only cost time and
// memory at every start.
inline constexpr std::uintmax_t kProfileFileLimit = std::uintmax_t{1} << 20;

// One key to read, with what GetPrivateProfileStringA is given for it.
struct ProfileRead {
  std::string key;
  std::string defaultValue;
  std::size_t bufferSize;
};

// One key to write, and its value.
struct ProfileEntry {
  std::string key;
  std::string value;
};

// What became of the file when its keys were read.
enum class ProfileFile {
  kRead,        // read; a missing section or key gave its default
  kMissing,     // no such file: every default
  kTooLarge,    // larger than kProfileFileLimit, left unread: every default
  kUnreadable,  // no regular file, or reading it failed: every default
};

struct ProfileValues {
  ProfileFile file = ProfileFile::kMissing;
  std::vector<std::string> values;  // one per ProfileRead, in their order
};

// The sections of a file, by name.
struct ProfileSections {
  ProfileFile file = ProfileFile::kMissing;
  // In the file's order, as the file spells them; a name that comes twice is
  // listed twice. Empty unless the file was read.
  std::vector<std::string> names;
};

class ProfileStore {
 public:
  virtual ~ProfileStore() = default;

  // The values of `reads` in section `section` of the file at `path`, each
  // as GetPrivateProfileStringA gives it into a buffer of its bufferSize
  // characters: names compared without regard to case, blanks around the
  // value and one pair of surrounding quotes removed, then cut to
  // bufferSize - 1 characters. A missing file, section or key, or a key line
  // without '=', gives the key's defaultValue (cut the same way).
  virtual ProfileValues ReadStrings(const std::string& path, const std::string& section,
                                    const std::vector<ProfileRead>& reads) const = 0;

  // Sets each entry's key, in their order, creating the file and the
  // section when missing and keeping every other line. A value is one line:
  // it is written up to its first line break or zero character, so that no
  // value can add keys or sections. What a save writes is always what a
  // start reads: when keeping the rest of the file would make it larger
  // than kProfileFileLimit (or it already is), the file is replaced by one
  // cut down to what a start reads (SavedProfileText). An
  // existing file is written only where the shell's ">" could write it
  // (WriteRefusal). "" when written, else the system's reason why not, such
  // as "Permission denied"; the file is then as it was.
  virtual std::string WriteStrings(const std::string& path, const std::string& section,
                                   const std::vector<ProfileEntry>& entries) = 0;

  // The names of the sections of the file at `path`, as
  // GetPrivateProfileSectionNamesA lists them. A file larger than
  // kProfileFileLimit is not read, as with ReadStrings.
  virtual ProfileSections SectionNames(const std::string& path) const = 0;

  // Removes every section named `section` (without regard to case) with
  // all its lines, keeping every other line; under the same rules as
  // WriteStrings. "" when done or when there is no such section, else the
  // system's reason why not; the file is then as it was.
  virtual std::string DeleteSection(const std::string& path, const std::string& section) = 0;

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

// What a buffer of `bufferSize` characters keeps of `text`, one of them
// being the terminating zero.
inline std::string CutToBuffer(std::string text, std::size_t bufferSize) {
  if (bufferSize == 0) return {};
  if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
  return text;
}

// Every default of `reads`, for a file that gave none of the values.
inline ProfileValues DefaultValues(ProfileFile file, const std::vector<ProfileRead>& reads) {
  ProfileValues result{file, {}};
  for (const ProfileRead& read : reads)
    result.values.push_back(CutToBuffer(read.defaultValue, read.bufferSize));
  return result;
}

}  // namespace corvanta

#endif
