// The window's side of the saved machines, on plain values: the title bar,
// the "Machines" popup's items and the name check of "Save As Machine ...".
// The window reads the machines with LoadMachines and writes them with
// SaveMachine, DeleteMachine and SetCurrentMachine (settings/machines.h).
#ifndef CORVANTA_WINDOW_MODEL_MACHINE_MENU_H
#define CORVANTA_WINDOW_MODEL_MACHINE_MENU_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/app_settings.h"
#include "settings/machines.h"
#include "window_model/control_access.h"

namespace corvanta {

// The title bar: the program's title alone without a current machine;
// else "<program> - <machine>", and "<program> - <machine> (changed)" when
// `windowValues` (the fields and cells as ReadSettingsFields reads them)
// are no longer the machine's saved values.
std::wstring MachineWindowTitle(std::wstring_view programTitle, const MachineList& list,
                                const AppSettings& windowValues);

// Choosing a machine: its values go into the "Index Const:", "Feed
// Const:" and "Feed Rate:" fields and the 154 gear-stock cells, as the
// window's creation puts the saved settings there (GearStockCellText), and
// the job changes as by any edit (JobChanged): the result goes and
// "&Solve" is decided again. Idempotent, so a window whose controls report
// each change as well does no harm by settling twice.
void ShowMachineValues(ControlAccess& controls, const AppSettings& values);

// One item of the "Machines" popup per saved machine, in the file's order.
struct MachineMenuItem {
  std::wstring text;  // the name, each '&' doubled so that it shows as typed
  bool checked;       // the current machine
};
std::vector<MachineMenuItem> MachineMenuItems(const MachineList& list);

// What "Save As Machine ..." makes of the name typed in its dialog.
struct SaveAsName {
  std::string refusal;                  // "" when the name may be saved, else a sentence to show
  std::optional<std::string> replaces;  // the saved machine of that name, to ask about first
};
SaveAsName CheckSaveAsName(const MachineList& list, std::string_view typed);

}  // namespace corvanta

#endif
