// Our own INI reader and writer, with the semantics of the Windows profile
// functions (see ProfileStore). Used where those functions do not exist, and
// built on Windows too so that both can be checked against each other.
#ifndef CORVANTA_SETTINGS_PORTABLE_PROFILE_STORE_H
#define CORVANTA_SETTINGS_PORTABLE_PROFILE_STORE_H

#include "settings/profile_store.h"

namespace corvanta {

// Every WriteStrings replaces the whole file in one step: the new text goes
// to a temporary file in the same folder, reaches the disk, and is then
// renamed over the old file, so a failed write leaves the old file as it
// was. A file that exists but cannot be read, or is no regular file, is
// never replaced, nor one that this process may not write (OverwriteRefusal).
class PortableProfileStore : public ProfileStore {
 public:
  ProfileValues ReadStrings(const std::string& path, const std::string& section,
                            const std::vector<ProfileRead>& reads) const override;
  std::string WriteStrings(const std::string& path, const std::string& section,
                           const std::vector<ProfileEntry>& entries) override;
  ProfileSections SectionNames(const std::string& path) const override;
  std::string DeleteSection(const std::string& path, const std::string& section) override;
  void Flush(const std::string& path) override;
  bool CreateFolders(const std::string& folder) override;
};

}  // namespace corvanta

#endif
