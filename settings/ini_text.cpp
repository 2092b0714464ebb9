#include "settings/ini_text.h"

#include <cstddef>
#include <vector>

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

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

std::size_t ContentStart(std::string_view text) {
  return text.substr(0, kByteOrderMark.size()) == kByteOrderMark ? kByteOrderMark.size() : 0;
}

// CR LF, LF and a lone CR all end a line.
std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = ContentStart(text);
  while (pos < text.size()) {
    std::size_t end = text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) {
      lines.push_back({pos, text.size(), text.size()});
      break;
    }
    std::size_t next = end + 1;
    if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
    lines.push_back({pos, end, next});
    pos = next;
  }
  return lines;
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
  std::optional<std::size_t> sectionLine;
  std::optional<std::size_t> keyLine;
  std::size_t lastContentLine = 0;  // of the section, its header included
};

// Only the first section of the name counts, as with the Windows functions:
// a key in a later section of the same name is neither read nor rewritten.
Position Locate(std::string_view text, const std::vector<Line>& lines, std::string_view section,
                std::string_view key) {
  Position at;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Entry e = Classify(text.substr(lines[i].begin, lines[i].end - lines[i].begin));
    if (!at.sectionLine) {
      if (e.kind == LineKind::kSection && SameName(e.name, section)) {
        at.sectionLine = i;
        at.lastContentLine = i;
      }
      continue;
    }
    if (e.kind == LineKind::kSection) break;
    if (e.kind == LineKind::kBlank) continue;
    at.lastContentLine = i;
    if (SameName(e.name, key)) {
      at.keyLine = i;
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

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key) {
  std::vector<Line> lines = SplitLines(text);
  Position at = Locate(text, lines, section, key);
  if (!at.keyLine) return std::nullopt;
  const Line& line = lines[*at.keyLine];
  Entry e = Classify(text.substr(line.begin, line.end - line.begin));
  if (!e.value) return std::nullopt;
  std::string_view value = *e.value;
  value = Trim(value.substr(0, value.find('\0')));
  return std::string(Unquote(value));
}

std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value) {
  value = SingleLineValue(value);
  std::vector<Line> lines = SplitLines(text);
  Position at = Locate(text, lines, section, key);
  std::string out(text);

  if (at.keyLine) {
    const Line& line = lines[*at.keyLine];
    std::string rewritten(Classify(text.substr(line.begin, line.end - line.begin)).name);
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
  const Line& last = lines[at.lastContentLine];
  if (last.next == last.end) {  // the file's last line, with no line end
    out.append(kLineEnd).append(added);
  } else {
    out.insert(last.next, added);
  }
  return out;
}

}  // namespace corvanta
