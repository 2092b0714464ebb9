#include "settings/ini_text.h"

#include <cstddef>

#include "settings/machines.h"
#include "settings/profile_store.h"

namespace corvanta {
namespace {

// Files saved by some editors start with a UTF-8 byte-order mark; it belongs
// to no line, and is kept when the text is edited.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";

struct Line {
  std::size_t begin;  // first character
  std::size_t end;    // one past the last character before the line end
  std::size_t next;   // first character of the following line
};

enum class LineKind { kBlank, kSection, kKey };

struct Entry {
  LineKind kind = LineKind::kBlank;
  std::string_view name;                  // section or key name, trimmed
  std::optional<std::string_view> value;  // trimmed; none without '='
};

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::size_t ContentStart(std::string_view text) {
  return text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

// The line that starts at `pos` (< text.size()). CR LF, LF and a lone CR
// all end a line. Lines are taken one at a time and none is kept, so a
// file of many lines costs no more than one pass over its bytes.
Line LineAt(std::string_view text, std::size_t pos) {
  std::size_t end = text.find_first_of("\r\n", pos);
  if (end == std::string_view::npos) return {pos, text.size(), text.size()};
  std::size_t next = end + 1;
  if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
  return {pos, end, next};
}

std::string_view TextOf(std::string_view text, const Line& line) {
  return text.substr(line.begin, line.end - line.begin);
}

Entry Classify(std::string_view lineText) {
  std::string_view t = Trim(lineText);
  if (t.empty()) return {};
  if (t.front() == '[') {
    std::size_t close = t.rfind(']');
    if (close != std::string_view::npos && close > 0)
      return {LineKind::kSection, Trim(t.substr(1, close - 1)), std::nullopt};
  }
  // Anything else, comments included, is a key line; a comment's "name"
  // starts with ';' and so never matches a key we look for.
  std::size_t equals = t.find('=');
  if (equals == std::string_view::npos) return {LineKind::kKey, t, std::nullopt};
  return {LineKind::kKey, Trim(t.substr(0, equals)), Trim(t.substr(equals + 1))};
}

struct Position {
  std::optional<Line> sectionLine;
  std::optional<Line> keyLine;
  Line lastContentLine{};  // of the section, its header included
};

// Only the first section of the name counts, as with the Windows functions:
// a key in a later section of the same name is neither read nor rewritten.
Position Locate(std::string_view text, std::string_view section, std::string_view key) {
  Position at;
  for (std::size_t pos = ContentStart(text); pos < text.size();) {
    const Line line = LineAt(text, pos);
    pos = line.next;
    Entry e = Classify(TextOf(text, line));
    if (!at.sectionLine) {
      if (e.kind == LineKind::kSection && SameProfileName(e.name, section)) {
        at.sectionLine = line;
        at.lastContentLine = line;
      }
      continue;
    }
    if (e.kind == LineKind::kSection) break;
    if (e.kind == LineKind::kBlank) continue;
    at.lastContentLine = line;
    if (SameProfileName(e.name, key)) {
      at.keyLine = line;
      break;
    }
  }
  return at;
}

std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front())
    return value.substr(1, value.size() - 2);
  return value;
}

bool EndsAtLineStart(std::string_view text) {
  return text.size() == ContentStart(text) || text.back() == '\n' || text.back() == '\r';
}

// `text` with the lines of the sections `keep` takes (by name) and, if
// `keepLeading`, the lines before the first section; the byte-order mark
// stays.
template <typename Keep>
std::string KeptLines(std::string_view text, bool keepLeading, Keep keep) {
  std::string out(text.substr(0, ContentStart(text)));
  bool keeping = keepLeading;
  for (std::size_t pos = ContentStart(text); pos < text.size();) {
    const Line line = LineAt(text, pos);
    pos = line.next;
    const Entry e = Classify(TextOf(text, line));
    if (e.kind == LineKind::kSection) keeping = keep(e.name);
    if (keeping) out.append(text.substr(line.begin, line.next - line.begin));
  }
  return out;
}

}  // namespace

bool SameProfileName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::vector<std::optional<std::string>> FindProfileValues(std::string_view text,
                                                          std::string_view section,
                                                          const std::vector<std::string>& keys) {
  std::vector<std::optional<std::string>> values(keys.size());
  std::vector<bool> seen(keys.size(), false);
  std::size_t unseen = keys.size();
  bool inSection = false;
  for (std::size_t pos = ContentStart(text); pos < text.size() && unseen > 0;) {
    const Line line = LineAt(text, pos);
    pos = line.next;
    const Entry e = Classify(TextOf(text, line));
    if (!inSection) {
      inSection = e.kind == LineKind::kSection && SameProfileName(e.name, section);
      continue;
    }
    if (e.kind == LineKind::kSection) break;
    if (e.kind == LineKind::kBlank) continue;
    // A key's first line decides, as in Locate: later lines of the same
    // name are never read.
    for (std::size_t i = 0; i < keys.size(); ++i) {
      if (seen[i] || !SameProfileName(e.name, keys[i])) continue;
      seen[i] = true;
      --unseen;
      if (!e.value) continue;
      std::string_view value = *e.value;
      value = Trim(value.substr(0, value.find('\0')));
      values[i] = std::string(Unquote(value));
    }
  }
  return values;
}

std::vector<std::string> ProfileSectionNames(std::string_view text) {
  std::vector<std::string> names;
  for (std::size_t pos = ContentStart(text); pos < text.size();) {
    const Line line = LineAt(text, pos);
    pos = line.next;
    const Entry e = Classify(TextOf(text, line));
    if (e.kind == LineKind::kSection && !e.name.empty()) names.emplace_back(e.name);
  }
  return names;
}

std::string WithoutProfileSection(std::string_view text, std::string_view section) {
  return KeptLines(text, true,
                   [section](std::string_view name) { return !SameProfileName(name, section); });
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
  value = SingleLineValue(value);
  Position at = Locate(text, section, key);
  std::string out(text);

  if (at.keyLine) {
    const Line& line = *at.keyLine;
    std::string rewritten(Classify(TextOf(text, line)).name);
    rewritten.append("=").append(value);
    out.replace(line.begin, line.end - line.begin, rewritten);
    return out;
  }

  std::string added(key);
  added.append("=").append(value).append(kLineEnd);
  if (!at.sectionLine) {
    if (!EndsAtLineStart(out)) out.append(kLineEnd);
    out.append("[").append(section).append("]").append(kLineEnd).append(added);
    return out;
  }
  const Line& last = at.lastContentLine;
  if (last.next == last.end) {  // the file's last line, with no line end
    out.append(kLineEnd).append(added);
  } else {
    out.insert(last.next, added);
  }
  return out;
}

namespace {

std::string WithEntries(std::string_view text, std::string_view section,
                        const std::vector<ProfileEntry>& entries) {
  std::string edited(text);
  for (const ProfileEntry& entry : entries)
    edited = WithProfileValue(edited, section, entry.key, entry.value);
  return edited;
}

// The sections a start reads: the settings and the machines.
bool ReadByTheProgram(std::string_view section) {
  return SameProfileName(section, kSettingsSection) || IsMachineSection(section);
}

}  // namespace

std::optional<std::string> SavedProfileText(std::string_view text, std::string_view section,
                                            const std::vector<ProfileEntry>& entries) {
  if (text.size() > kProfileFileLimit) return CutProfileText("", section, entries);
  std::string whole = WithEntries(text, section, entries);
  if (whole.size() <= kProfileFileLimit) return whole;
  return CutProfileText(text, section, entries);
}

std::optional<std::string> CutProfileText(std::string_view text, std::string_view section,
                                          const std::vector<ProfileEntry>& entries) {
  std::string kept = WithEntries(KeptLines(text, false, ReadByTheProgram), section, entries);
  if (kept.size() <= kProfileFileLimit) return kept;
  std::string alone = WithEntries("", section, entries);
  if (alone.size() <= kProfileFileLimit) return alone;
  return std::nullopt;
}

}  // namespace corvanta
