#include "app/machines_menu.h"

#include <string>

#include "app/win32_controls.h"
#include "app/window_state.h"
#include "resources/resource.h"
#include "settings/machines.h"
#include "window_model/machine_menu.h"
#include "window_model/settings_fields.h"

namespace corvanta {
namespace {

// An item for every machine the file may hold.
static_assert(IDM_MACHINE_LIMIT - IDM_MACHINE_FIRST == kMachineCountLimit);

constexpr int kTitleLength = 100;
constexpr int kNameChars = 64;  // more than a name may have, so a long one is refused, not cut

// The saved machines, read from the file now and kept for the title.
MachineList Machines(HWND window) {
  WindowState& state = *WindowStateOf(window);
  state.machines = LoadMachines(SystemProfileStore(), state.settingsDataFolder);
  return *state.machines;
}

// One box for a failure, with the system's reason.
void ShowProblem(HWND window, const std::string& what, const std::string& problem) {
  if (problem.empty()) return;
  MessageBoxA(window, (what + problem).c_str(), "Info", MB_OK | MB_ICONWARNING);
}

bool Ask(HWND window, const std::string& question) {
  return MessageBoxA(window, question.c_str(), "Machines", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

struct NameDialog {
  std::string offered, typed;
};

INT_PTR CALLBACK NameDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* name = reinterpret_cast<NameDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
  switch (message) {
    case WM_INITDIALOG:
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      name = reinterpret_cast<NameDialog*>(lParam);
      SendDlgItemMessageW(dialog, IDC_MACHINE_NAME, EM_LIMITTEXT, kNameChars, 0);
      SetDlgItemTextA(dialog, IDC_MACHINE_NAME, name->offered.c_str());
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        char text[kNameChars + 1] = "";
        GetDlgItemTextA(dialog, IDC_MACHINE_NAME, text, sizeof text);
        name->typed = text;
      }
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

}  // namespace

void OnMachinesPopup(HWND window, HMENU popup) {
  while (GetMenuItemCount(popup) > 2) DeleteMenu(popup, 0, MF_BYPOSITION);
  const MachineList list = Machines(window);
  UpdateMachineTitle(window);  // the file may have changed since it was read
  const std::vector<MachineMenuItem> items = MachineMenuItems(list);
  UINT position = 0;
  for (const MachineMenuItem& item : items) {
    const UINT id = IDM_MACHINE_FIRST + position;
    if (id >= IDM_MACHINE_LIMIT) break;
    InsertMenuW(popup, position++, MF_BYPOSITION | MF_STRING | (item.checked ? MF_CHECKED : 0), id,
                item.text.c_str());
  }
  if (position > 0) InsertMenuW(popup, position, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  EnableMenuItem(popup, IDM_DELETE_MACHINE, MF_BYCOMMAND | (list.current ? MF_ENABLED : MF_GRAYED));
}

void OnChooseMachine(HWND window, int k) {
  const MachineList list = Machines(window);
  if (k < 0 || static_cast<std::size_t>(k) >= list.machines.size()) return;
  const Machine& machine = list.machines[static_cast<std::size_t>(k)];
  Win32Controls controls(window);
  // The title follows once, when all 157 values are in.
  WindowStateOf(window)->choosingMachine = true;
  ShowMachineValues(controls, machine.values);
  WindowStateOf(window)->choosingMachine = false;
  ShowProblem(window, "The machine was not made current: ",
              SetCurrentMachine(machine.name, SystemProfileStore(),
                                WindowStateOf(window)->settingsDataFolder));
  Machines(window);
  UpdateMachineTitle(window);
}

void OnSaveAsMachine(HWND window) {
  const MachineList list = Machines(window);
  NameDialog name;
  if (list.current) name.offered = list.machines[*list.current].name;
  if (DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MACHINE_NAME), window,
                      NameDialogProc, reinterpret_cast<LPARAM>(&name)) != IDOK)
    return;
  const SaveAsName check = CheckSaveAsName(list, name.typed);
  if (!check.refusal.empty()) {
    ShowProblem(window, "", check.refusal);
    return;
  }
  if (check.replaces &&
      !Ask(window, "A machine named \"" + *check.replaces + "\" is saved. Replace it?"))
    return;
  ShowProblem(window, "The machine was not saved: ",
              SaveMachine(name.typed, ReadSettingsFields(Win32Controls(window)),
                          SystemProfileStore(), WindowStateOf(window)->settingsDataFolder));
  Machines(window);
  UpdateMachineTitle(window);
}

void OnDeleteMachine(HWND window) {
  const MachineList list = Machines(window);
  if (!list.current) return;
  const std::string& name = list.machines[*list.current].name;
  if (!Ask(window, "Delete the machine \"" + name + "\"?")) return;
  ShowProblem(window, "The machine was not deleted: ",
              DeleteMachine(name, SystemProfileStore(), WindowStateOf(window)->settingsDataFolder));
  Machines(window);
  UpdateMachineTitle(window);
}

void UpdateMachineTitle(HWND window) {
  const WindowState& state = *WindowStateOf(window);
  if (state.choosingMachine) return;
  wchar_t program[kTitleLength] = L"";
  LoadStringW(GetModuleHandleW(nullptr), IDS_APP_TITLE, program, kTitleLength);
  const MachineList list = state.machines ? *state.machines : Machines(window);
  const std::wstring title =
      MachineWindowTitle(program, list, ReadSettingsFields(Win32Controls(window)));
  SetWindowTextW(window, title.c_str());
}

}  // namespace corvanta
