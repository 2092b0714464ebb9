// An editing session of one numeric field, from any bytes: keys go through
// the key filter, clipboard texts through the Paste rule, and what they let
// through is applied as the edit control would apply it. Whatever the
// order, the field holds digits and at most one point after every step.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "resources/resource.h"
#include "window_model/field_rules.h"

namespace {

using namespace corvanta;

constexpr ControlId kFields[] = {IDC_INDEX_CONST, IDC_FEED_CONST, IDC_FEED_RATE, IDC_HELIX_ANGLE,
                                 IDC_NORMAL_DIAMETRAL_PITCH};

// The field's text and selection, as the edit control keeps them.
struct Field {
  std::string text;
  FieldSelection selection;

  void Replace(std::string_view with) {
    text.replace(selection.start, selection.end - selection.start, with);
    selection.start = selection.end = selection.start + with.size();
  }
  void Key(unsigned code) {
    if (code == 1) {  // Ctrl+A
      selection = {0, text.size()};
    } else if (code == 8) {  // Backspace: the selection, else the character before the caret
      if (selection.start == selection.end && selection.start > 0) --selection.start;
      Replace("");
    } else {
      Replace(std::string(1, static_cast<char>(code)));
    }
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const ControlId id = kFields[data[0] % std::size(kFields)];
  Field field;
  std::size_t at = 1;
  while (at + 2 < size) {
    const std::uint8_t op = data[at], a = data[at + 1], b = data[at + 2];
    at += 3;
    if (op < 0x80) {  // a key; codes above a byte too
      const unsigned code = op < 0x40 ? a : a | (b << 8);
      if (FilterKey(id, code, field.text, field.selection) == KeyAction::kEdit) field.Key(code);
    } else if (op < 0xC0) {  // the operator selects
      const std::size_t start = std::min<std::size_t>(a, field.text.size());
      field.selection = {start, std::clamp<std::size_t>(b, start, field.text.size())};
    } else {  // a paste of the next `a` bytes
      const std::size_t length = std::min<std::size_t>(a, size - at);
      const std::string_view clipboard(reinterpret_cast<const char*>(data + at), length);
      at += length;
      if (PasteAllowed(clipboard, field.text, field.selection)) field.Replace(clipboard);
    }
    if (!IsFieldText(field.text)) std::abort();
  }
  return 0;
}
