#include "window_model/machine_menu.h"

#include "resources/resource.h"
#include "settings/gear_stock_text.h"
#include "settings/job_fields.h"
#include "window_model/field_controls.h"
#include "window_model/job_changed.h"

namespace corvanta {
namespace {

// Names are printable ASCII (MachineNameProblem), the same in every code
// page; a name read from a damaged file is never shown.
std::wstring Widened(std::string_view text) {
  std::wstring wide;
  for (char c : text) wide += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return wide;
}

}  // namespace

std::wstring MachineWindowTitle(std::wstring_view programTitle, const MachineList& list,
                                const AppSettings& windowValues) {
  std::wstring title(programTitle);
  if (!list.current) return title;
  const Machine& machine = list.machines[*list.current];
  title += L" - " + Widened(machine.name);
  if (!SameMachineValues(machine.values, windowValues)) title += L" (changed)";
  return title;
}

void ShowMachineValues(ControlAccess& controls, const AppSettings& values) {
  for (const JobField& field : kJobFields)
    if (field.setting) controls.SetText(FieldControl(field.id), values.*field.setting);
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k)
    controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + k,
                     GearStockCellText(values.gearStockText, static_cast<std::size_t>(k)));
  JobChanged(controls, GeometryChange::kNone);
}

std::vector<MachineMenuItem> MachineMenuItems(const MachineList& list) {
  std::vector<MachineMenuItem> items;
  for (std::size_t i = 0; i < list.machines.size(); ++i) {
    std::wstring text;
    for (wchar_t c : Widened(list.machines[i].name)) text += c == L'&' ? L"&&" : std::wstring(1, c);
    items.push_back({text, list.current == i});
  }
  return items;
}

SaveAsName CheckSaveAsName(const MachineList& list, std::string_view typed) {
  if (std::string problem = MachineNameProblem(typed); !problem.empty())
    return {"The name " + problem + ". A machine's name has 1 to " +
                std::to_string(kMachineNameMaxLength) +
                " letters, digits, blanks and signs, without brackets.",
            std::nullopt};
  const std::optional<std::size_t> same = FindMachine(list, typed);
  if (same) return {{}, list.machines[*same].name};
  if (list.machines.size() >= kMachineCountLimit)
    return {"At most " + std::to_string(kMachineCountLimit) +
                " machines can be saved. Delete one first, or save under the name of one to "
                "replace it.",
            std::nullopt};
  return {};
}

}  // namespace corvanta
