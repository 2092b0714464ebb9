#include "window_model/field_rules.h"

#include <algorithm>

#include "numeric/field_number.h"
#include "resources/resource.h"

namespace corvanta {
namespace {

constexpr unsigned kCtrlA = 1;
constexpr unsigned kBackspace = 8;
constexpr unsigned kTab = 9;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t CountPoints(std::string_view text) {
  return static_cast<std::size_t>(std::count(text.begin(), text.end(), '.'));
}

// The part of `text` that `selection` covers, held to the text's length.
std::string_view Selected(std::string_view text, FieldSelection selection) {
  const std::size_t start = std::min(selection.start, text.size());
  const std::size_t end = std::clamp(selection.end, start, text.size());
  return text.substr(start, end - start);
}

}  // namespace

KeyAction FilterKey(ControlId field, unsigned code, std::string_view text,
                    FieldSelection selection) {
  if ((code >= '0' && code <= '9') || code == kBackspace || code == kCtrlA) return KeyAction::kEdit;
  if (code == '.') {
    // A second point is refused, unless the selection that the key replaces
    // holds the first one.
    const bool replacesPoint = CountPoints(Selected(text, selection)) > 0;
    return replacesPoint || CountPoints(text) == 0 ? KeyAction::kEdit : KeyAction::kRefuse;
  }
  if (code == kTab) return TabPartner(field) ? KeyAction::kTabAcross : KeyAction::kTabValidate;
  return KeyAction::kRefuse;
}

std::optional<ControlId> TabPartner(ControlId field) {
  if (field == IDC_HELIX_ANGLE) return IDC_NORMAL_DIAMETRAL_PITCH;
  if (field == IDC_NORMAL_DIAMETRAL_PITCH) return IDC_HELIX_ANGLE;
  return std::nullopt;
}

bool CopyAllowed(FieldSelection selection) { return selection.start < selection.end; }

bool PasteAllowed(const std::optional<std::string_view>& clipboard, std::string_view text,
                  FieldSelection selection) {
  if (!clipboard || !InsertAllowed(*clipboard, text, selection)) return false;
  // The empty text and a lone point are 0, below the smallest paste.
  const double value = FieldDouble(*clipboard);
  return value >= kSmallestPaste && value <= kLargestPaste;
}

bool InsertAllowed(std::string_view insert, std::string_view text, FieldSelection selection) {
  const bool onlyNumberCharacters =
      std::all_of(insert.begin(), insert.end(), [](char c) { return IsDigit(c) || c == '.'; });
  // The field's points outside the selection stay.
  const std::size_t keptPoints = CountPoints(text) - CountPoints(Selected(text, selection));
  return onlyNumberCharacters && CountPoints(insert) + keptPoints <= 1;
}

bool IsFieldText(std::string_view text) { return InsertAllowed(text, {}, {}); }

}  // namespace corvanta
