// The "Machines" popup of the menu bar: one item per saved machine (the
// current one checked), "Save As Machine ..." and "Delete Machine"; and the
// window title, which names the current machine.
#ifndef CORVANTA_APP_MACHINES_MENU_H
#define CORVANTA_APP_MACHINES_MENU_H

#include <windows.h>

namespace corvanta {

// The popup about to open: its machine items made again from the file.
void OnMachinesPopup(HWND window, HMENU popup);

// A machine item (IDM_MACHINE_FIRST + k): that machine's values into the
// fields and cells, and it made current.
void OnChooseMachine(HWND window, int k);

// "Save As Machine ...": a name asked for (the current one offered), the
// window's four values saved under it after asking before a replacement.
void OnSaveAsMachine(HWND window);

// "Delete Machine": the current machine removed, after asking.
void OnDeleteMachine(HWND window);

// The title bar as the fields and cells stand: the program's title, the
// current machine's name, and whether the window still holds its values.
void UpdateMachineTitle(HWND window);

}  // namespace corvanta

#endif
