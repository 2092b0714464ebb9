#include "app/numeric_field.h"

#include <windowsx.h>

#include <cstring>
#include <optional>
#include <string>

#include "app/beep.h"
#include "app/subclass.h"
#include "app/win32_controls.h"
#include "resources/resource.h"
#include "window_model/clear_results.h"
#include "window_model/field_rules.h"
#include "window_model/update_geometry.h"
#include "window_model/validate_inputs.h"

namespace corvanta {
namespace {

// The popup opens a little left of and above the pointer, so that the
// pointer rests on its items.
constexpr int kMenuOffsetX = 72;
constexpr int kMenuOffsetY = 9;

Win32Controls ControlsOf(HWND field) { return Win32Controls(GetParent(field)); }
ControlId IdOf(HWND field) { return GetDlgCtrlID(field); }

bool FeedsGeometry(HWND field) {
  const ControlId id = IdOf(field);
  return id == IDC_HELIX_ANGLE || id == IDC_NORMAL_DIAMETRAL_PITCH;
}

FieldSelection SelectionOf(HWND field) {
  DWORD start = 0, end = 0;
  SendMessageW(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {start, end};
}

// The clipboard's 8-bit text, copied while the clipboard is open; nullopt
// when it holds none or cannot be opened.
std::optional<std::string> ClipboardText(HWND owner) {
  if (!OpenClipboard(owner)) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      // Stop at the block's end even if a faulty owner left no terminator.
      text.emplace(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

// Where the popup goes: the pointer's point moved up and left. A popup asked
// for from the keyboard (Shift+F10, the context-menu key) has no pointer
// point; it opens at the field's lower left corner instead.
POINT MenuPoint(HWND field, LPARAM at) {
  if (GET_X_LPARAM(at) == -1 && GET_Y_LPARAM(at) == -1) {
    RECT frame = {};
    GetWindowRect(field, &frame);
    return {frame.left, frame.bottom};
  }
  return {GET_X_LPARAM(at) - kMenuOffsetX, GET_Y_LPARAM(at) - kMenuOffsetY};
}

void ShowCopyPasteMenu(HWND field, LPARAM at) {
  const std::optional<std::string> clipboard = ClipboardText(field);
  const std::string text = ControlsOf(field).GetText(IdOf(field), kPopupReadSize);
  const FieldSelection selection = SelectionOf(field);
  const std::optional<std::string_view> pasteText =
      clipboard ? std::optional<std::string_view>(*clipboard) : std::nullopt;

  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (CopyAllowed(selection) ? MF_ENABLED : MF_GRAYED), kCopyItem,
              L"Copy");
  AppendMenuW(menu, MF_STRING | (PasteAllowed(pasteText, text, selection) ? MF_ENABLED : MF_GRAYED),
              kPasteItem, L"Paste");
  const POINT point = MenuPoint(field, at);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, field, nullptr);
  DestroyMenu(menu);
}

// The field's value changed: the geometry lines follow the helix angle and
// the pitch, and "&Solve" follows every field.
void OnFieldSettled(HWND field) {
  Win32Controls controls = ControlsOf(field);
  if (FeedsGeometry(field)) UpdateGeometry(controls);
  ValidateInputs(controls);
}

LRESULT OnPaste(HWND field, WPARAM wParam, LPARAM lParam) {
  Win32Controls controls = ControlsOf(field);
  SendMessageW(field, WM_PASTE, 0, 0);
  UpdateGeometry(controls);
  ClearResults(controls);
  // A pasted value can leave the field out of range as well as bring it in:
  // "&Solve" must follow at once, not only at the next key or focus change.
  ValidateInputs(controls);
  return CallPrevious(field, WM_COMMAND, wParam, lParam);
}

LRESULT OnPopupCommand(HWND field, WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case kCopyItem: SendMessageW(field, WM_COPY, 0, 0); return 0;
    case kPasteItem: return OnPaste(field, wParam, lParam);
  }
  return CallPrevious(field, WM_COMMAND, wParam, lParam);
}

// Tab leads from the helix angle to the pitch and back, with the whole
// text selected, ready to be typed over.
void TabToPartner(HWND field) {
  HWND partner = GetDlgItem(GetParent(field), *TabPartner(IdOf(field)));
  SetFocus(partner);
  PostMessageW(partner, EM_SETSEL, 0, -1);
}

LRESULT OnFieldChar(HWND field, WPARAM wParam, LPARAM lParam) {
  Win32Controls controls = ControlsOf(field);
  const std::string text = controls.GetText(IdOf(field), kKeyFilterReadSize);
  switch (FilterKey(IdOf(field), static_cast<unsigned>(wParam), text, SelectionOf(field))) {
    case KeyAction::kEdit: ClearResults(controls); break;
    case KeyAction::kRefuse: Beep(GetParent(field), kRefusedKeyBeep); return 0;
    case KeyAction::kTabAcross: TabToPartner(field); return 0;
    case KeyAction::kTabValidate: ValidateInputs(controls); break;
  }
  return CallPrevious(field, WM_CHAR, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK NumericFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR: return OnFieldChar(field, wParam, lParam);
    case WM_KEYUP:
    case WM_KILLFOCUS: OnFieldSettled(field); break;
    case WM_CONTEXTMENU: ShowCopyPasteMenu(field, lParam); return 0;
    case WM_COMMAND: return OnPopupCommand(field, wParam, lParam);
  }
  return CallPrevious(field, message, wParam, lParam);
}

}  // namespace corvanta
