// INI text read and edited as the Windows profile functions do, on the
// whole text of a file at once.
#ifndef CORVANTA_SETTINGS_INI_TEXT_H
#define CORVANTA_SETTINGS_INI_TEXT_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_store.h"

namespace corvanta {

// The values of `keys` in the first section named `section`, names compared
// without regard to (ASCII) case, found in one pass over the text: one per
// key, in their order. A value ends at a zero character, loses the blanks
// around it and one pair of matching surrounding quotes (' or "). nullopt
// for a key that is missing, or whose first line in that section has no
// '=', and for every key when the section is missing.
std::vector<std::optional<std::string>> FindProfileValues(std::string_view text,
                                                          std::string_view section,
                                                          const std::vector<std::string>& keys);

// Whether two section or key names are the same name: the profile
// functions compare names without regard to ASCII case.
bool SameProfileName(std::string_view a, std::string_view b);

// The names of the text's sections in their order, as the file spells them
// (trimmed), a name that comes twice listed twice; sections without a name
// are left out, as GetPrivateProfileSectionNamesA leaves them out.
std::vector<std::string> ProfileSectionNames(std::string_view text);

// `text` without any section named `section` (without regard to case): each
// one's header and every line up to the next section's header. Every other
// byte is kept.
std::string WithoutProfileSection(std::string_view text, std::string_view section);

// `text` with `key` set to the single-line part of `value`:
// - an existing key line is rewritten as "name=value", keeping the name as the
//   file spells it and the line's own line end;
// - a missing key is added after the last non-blank line of the section;
// - a missing section is added at the end of the text.
// Added lines end with CR LF. Every other byte of `text` is kept.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

// What a save of `entries` into section `section` writes over a file that
// holds `text`: `text` with each entry set in turn (WithProfileValue), as
// long as that keeps within kProfileFileLimit, the size a start still
// reads. Otherwise the file cut down (CutProfileText).
std::optional<std::string> SavedProfileText(std::string_view text, std::string_view section,
                                            const std::vector<ProfileEntry>& entries);

// A file that holds `text`, cut down to fit kProfileFileLimit with
// `entries` set in `section`: first to the sections the program reads (its
// settings and its machines), else to the saved section alone. nullopt
// when even that would be too large.
std::optional<std::string> CutProfileText(std::string_view text, std::string_view section,
                                          const std::vector<ProfileEntry>& entries);

}  // namespace corvanta

#endif
