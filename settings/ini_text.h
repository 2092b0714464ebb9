// INI text read and edited as the Windows profile functions do, on the
// whole text of a file at once.
#ifndef CORVANTA_SETTINGS_INI_TEXT_H
#define CORVANTA_SETTINGS_INI_TEXT_H

#include <optional>
#include <string>
#include <string_view>

namespace corvanta {

// The value of `key` in the first section named `section`, both compared
// without regard to (ASCII) case. The value ends at a zero character, loses
// the blanks around it and one pair of matching surrounding quotes (' or ").
// nullopt when the section or the key is missing, or the key's first line in
// that section has no '='.
std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key);

// `text` with `key` set to the single-line part of `value`:
// - an existing key line is rewritten as "name=value", keeping the name as the
//   file spells it and the line's own line end;
// - a missing key is added after the last non-blank line of the section;
// - a missing section is added at the end of the text.
// Added lines end with CR LF. Every other byte of `text` is kept.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);

}  // namespace corvanta

#endif
