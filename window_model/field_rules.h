// What the five numeric fields accept: the key filter and the enabling of
// the Copy and Paste items of their popup menu.
//
// The fields hold unsigned decimal numbers only, so every key or clipboard
// text that could not be part of one is refused here, before the edit
// control sees it. Plain functions of the field's text and selection, so that
// they can be tested without a window.
#ifndef CORVANTA_WINDOW_MODEL_FIELD_RULES_H
#define CORVANTA_WINDOW_MODEL_FIELD_RULES_H

#include <cstddef>
#include <optional>
#include <string_view>

#include "window_model/control_access.h"

namespace corvanta {

// Characters of a field read by the key filter (a buffer of 60) and by the
// popup (a buffer of 59).
inline constexpr std::size_t kKeyFilterReadSize = 60;
inline constexpr std::size_t kPopupReadSize = 59;

// Smallest and largest value a paste may bring into a field.
inline constexpr double kSmallestPaste = 0.000000001;
inline constexpr double kLargestPaste = 1000.0;

// A selection as the edit control reports it: characters start .. end - 1.
struct FieldSelection {
  std::size_t start = 0;
  std::size_t end = 0;
};

enum class KeyAction {
  kEdit,        // a digit, Backspace, Ctrl+A or an accepted point: drop the
                // result on display, then let the field apply the key
  kRefuse,      // beep and swallow
  kTabAcross,   // Tab between "Helix Angle:" and "Normal Diametral Pitch:"
  kTabValidate  // Tab in the other fields: re-validate, then let it through
};

// The filter for one typed character `code` (the WM_CHAR code) in field
// `field`, whose text is `text` with `selection` selected.
KeyAction FilterKey(ControlId field, unsigned code, std::string_view text,
                    FieldSelection selection);

// The field that Tab moves to from `field`: "Helix Angle:" and "Normal
// Diametral Pitch:" lead to each other; nullopt for the other fields.
std::optional<ControlId> TabPartner(ControlId field);

// "Copy" is offered when something is selected.
bool CopyAllowed(FieldSelection selection);

// "Paste" is offered when the clipboard holds text made only of digits and
// at most one point, whose value lies in 1e-9 .. 1000, and which would not
// give the field a second point (the field's points outside the selection
// stay). `clipboard` is nullopt when the clipboard holds no text.
bool PasteAllowed(const std::optional<std::string_view>& clipboard, std::string_view text,
                  FieldSelection selection);

// Whether `insert` may replace the selection by any other way than the
// keyboard or the clipboard (a text set or replaced by another program):
// as typed keys could, it brings only digits and points and leaves the
// field at most one point. Replacing the whole text checks the new text.
bool InsertAllowed(std::string_view insert, std::string_view text, FieldSelection selection);

// Whether a field could hold `text` after typed keys: digits and at most
// one point.
bool IsFieldText(std::string_view text);

}  // namespace corvanta

#endif
