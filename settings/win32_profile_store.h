// ProfileStore over the Windows private-profile functions and the shell's
// folder creation.
#ifndef CORVANTA_SETTINGS_WIN32_PROFILE_STORE_H
#define CORVANTA_SETTINGS_WIN32_PROFILE_STORE_H

#include "settings/profile_store.h"

namespace corvanta {

class Win32ProfileStore : public ProfileStore {
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
