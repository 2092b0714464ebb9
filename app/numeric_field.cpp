#include "app/numeric_field.h"

#include <windowsx.h>

#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "app/beep.h"
#include "app/subclass.h"
#include "app/win32_controls.h"
#include "app/window_state.h"
#include "resources/resource.h"
#include "window_model/clear_results.h"
#include "window_model/field_rules.h"
#include "window_model/job_changed.h"
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

// Whether the popup offers "Paste", and whether a paste may go ahead.
bool ClipboardPasteAllowed(HWND field) {
  const std::optional<std::string> clipboard = ClipboardText(field);
  const std::string text = ControlsOf(field).GetText(IdOf(field), kPopupReadSize);
  return PasteAllowed(clipboard ? std::optional<std::string_view>(*clipboard) : std::nullopt, text,
                      SelectionOf(field));
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
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (CopyAllowed(SelectionOf(field)) ? MF_ENABLED : MF_GRAYED),
              kCopyItem, L"Copy");
  AppendMenuW(menu, MF_STRING | (ClipboardPasteAllowed(field) ? MF_ENABLED : MF_GRAYED), kPasteItem,
              L"Paste");
  const POINT point = MenuPoint(field, at);
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, point.x, point.y, 0, field, nullptr);
  DestroyMenu(menu);
}

GeometryChange GeometryChangeOf(HWND field) {
  return FeedsGeometry(field) ? GeometryChange::kGeometry : GeometryChange::kNone;
}

// A key was released or the focus left: the geometry lines follow the
// helix angle and the pitch, and "&Solve" follows every field. The result
// went when the key was typed (a refused key keeps it).
void OnFieldSettled(HWND field) {
  Win32Controls controls = ControlsOf(field);
  JobSettled(controls, GeometryChangeOf(field));
}

// The field's text changed other than by a typed key: a change of the job,
// which no key release or focus change may follow to settle.
void OnTextChanged(HWND field) {
  Win32Controls controls = ControlsOf(field);
  JobChanged(controls, GeometryChangeOf(field));
}

// Marks, while it lives, a change of a field's text that this procedure
// answers itself. The edit control reports every change to the window as
// EN_CHANGE; those reported meanwhile need no second answer.
class AnsweredEdit {
 public:
  explicit AnsweredEdit(HWND field) : state_(WindowStateOf(GetParent(field))) {
    if (state_) ++state_->answeringEdits;
  }
  ~AnsweredEdit() {
    if (state_) --state_->answeringEdits;
  }
  AnsweredEdit(const AnsweredEdit&) = delete;
  AnsweredEdit& operator=(const AnsweredEdit&) = delete;

 private:
  WindowState* state_;
};

// The whole text, as the control holds it (the 8-bit reads cut it).
std::wstring WholeText(HWND field) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(field, text.data(), static_cast<int>(text.size()))));
  return text;
}

// A text as the rules see it: they accept only digits and points, so any
// other character may stand for all others.
std::string RulesText(std::wstring_view text) {
  std::string rules;
  for (wchar_t c : text) rules += c < 0x80 ? static_cast<char>(c) : '?';
  return rules;
}

std::wstring_view MessageText(LPARAM lParam) {
  return lParam != 0 ? std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) : L"";
}

// Lets the field apply `message`, then answers the change, if it made one.
LRESULT ApplyEdit(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::wstring before = WholeText(field);
  LRESULT result;
  {
    const AnsweredEdit answered(field);
    result = CallPrevious(field, message, wParam, lParam);
  }
  if (WholeText(field) != before) OnTextChanged(field);
  return result;
}

// Undo puts back the text of the field's last edit. After typed keys and
// pastes that text was one the rules accepted, but an edit the field was
// made to do before (a text set at creation, say) can bring back anything:
// a text the keys could not have typed is refused and the field keeps the
// one it had.
LRESULT ApplyUndo(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::wstring before = WholeText(field);
  const FieldSelection selection = SelectionOf(field);
  {
    const AnsweredEdit answered(field);
    const LRESULT result = CallPrevious(field, message, wParam, lParam);
    const std::wstring after = WholeText(field);
    if (after == before) return result;
    if (IsFieldText(RulesText(after))) {
      OnTextChanged(field);
      return result;
    }
    CallPrevious(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(before.c_str()));
    CallPrevious(field, EM_SETSEL, selection.start, static_cast<LPARAM>(selection.end));
  }
  Beep(GetParent(field), kRefusedKeyBeep);
  return FALSE;
}

// However it comes (the popup, Shift+Insert, another program), a paste
// goes through the popup's Paste rules, and answers like the popup's.
LRESULT OnPasteMessage(HWND field, WPARAM wParam, LPARAM lParam) {
  if (!ClipboardPasteAllowed(field)) {
    Beep(GetParent(field), kRefusedKeyBeep);
    return 0;
  }
  {
    const AnsweredEdit answered(field);
    CallPrevious(field, WM_PASTE, wParam, lParam);
  }
  OnTextChanged(field);
  return 0;
}

// A text set or put in place of the selection from outside the keyboard
// brings only what typed keys could.
LRESULT OnReplaceText(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::string insert = RulesText(MessageText(lParam));
  const bool allowed = message == WM_SETTEXT
                           ? IsFieldText(insert)
                           : InsertAllowed(insert, RulesText(WholeText(field)), SelectionOf(field));
  if (!allowed) {
    Beep(GetParent(field), kRefusedKeyBeep);
    return FALSE;
  }
  return ApplyEdit(field, message, wParam, lParam);
}

// The edit control handles Delete, Shift+Delete (cut) and Shift+Insert
// (paste) in its key-down handling, where no typed character is seen.
LRESULT OnFieldKeyDown(HWND field, WPARAM key, LPARAM lParam) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (key == VK_INSERT && shift && !alt) return OnPasteMessage(field, 0, 0);
  return ApplyEdit(field, WM_KEYDOWN, key, lParam);
}

LRESULT OnPopupCommand(HWND field, WPARAM wParam, LPARAM lParam) {
  switch (LOWORD(wParam)) {
    case kCopyItem: SendMessageW(field, WM_COPY, 0, 0); return 0;
    case kPasteItem: SendMessageW(field, WM_PASTE, 0, 0); break;
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

// A typed character (WM_CHAR, or WM_IME_CHAR from an input method).
LRESULT OnFieldChar(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Controls controls = ControlsOf(field);
  const std::string text = controls.GetText(IdOf(field), kKeyFilterReadSize);
  switch (FilterKey(IdOf(field), static_cast<unsigned>(wParam), text, SelectionOf(field))) {
    case KeyAction::kEdit: ClearResults(controls); break;
    case KeyAction::kRefuse: Beep(GetParent(field), kRefusedKeyBeep); return 0;
    case KeyAction::kTabAcross: TabToPartner(field); return 0;
    case KeyAction::kTabValidate: ValidateInputs(controls); break;
  }
  // Settled when the key is released.
  const AnsweredEdit answered(field);
  return CallPrevious(field, message, wParam, lParam);
}

}  // namespace

LRESULT CALLBACK NumericFieldProc(HWND field, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
    case WM_IME_CHAR: return OnFieldChar(field, message, wParam, lParam);
    case WM_KEYUP:
    case WM_KILLFOCUS: OnFieldSettled(field); break;
    case WM_CONTEXTMENU: ShowCopyPasteMenu(field, lParam); return 0;
    case WM_COMMAND: return OnPopupCommand(field, wParam, lParam);
    // Every other way the text can change: the edit control's own keys, and
    // the edit messages any program can send.
    case WM_KEYDOWN: return OnFieldKeyDown(field, wParam, lParam);
    case WM_PASTE: return OnPasteMessage(field, wParam, lParam);
    case WM_SETTEXT:
    case EM_REPLACESEL: return OnReplaceText(field, message, wParam, lParam);
    case WM_CUT:
    case WM_CLEAR: return ApplyEdit(field, message, wParam, lParam);
    case WM_UNDO:
    case EM_UNDO: return ApplyUndo(field, message, wParam, lParam);
    case WM_SYSKEYDOWN:  // Alt+Backspace is Undo
      if (wParam == VK_BACK) return ApplyUndo(field, message, wParam, lParam);
      break;
  }
  return CallPrevious(field, message, wParam, lParam);
}

void OnNumericFieldChanged(HWND field) {
  const WindowState* state = WindowStateOf(GetParent(field));
  if (state == nullptr || state->answeringEdits == 0) OnTextChanged(field);
}

}  // namespace corvanta
