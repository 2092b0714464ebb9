#include "tools/machine_listing.h"

#include <cstddef>

#include "settings/gear_list_text.h"
#include "tools/refusal_text.h"
#include "tools/unknown_option.h"

namespace corvanta {
namespace {

std::string Lowered(std::string_view text) {
  std::string lower(text);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return lower;
}

std::string Shown(const std::string& value) { return value.empty() ? "(empty)" : Escaped(value); }

}  // namespace

std::string MachineListing(const MachineList& list) {
  std::string text;
  for (std::size_t i = 0; i < list.machines.size(); ++i) {
    const Machine& machine = list.machines[i];
    const std::string gears = GearListText(machine.values.gearStockText);
    text += (list.current == i ? "* " : "  ") + machine.name + ": Index Constant " +
            Shown(machine.values.indexConstant) + ", Feed Constant " +
            Shown(machine.values.feedConstant) + ", Feed Rate " + Shown(machine.values.feedRate) +
            ", Gears " + (gears.empty() ? "none" : gears) + "\n";
  }
  return text;
}

std::string NearestMachineName(const MachineList& list, std::string_view typed) {
  // No name is longer than kMachineNameMaxLength: the rest of a longer text
  // would only add the same edits to every name.
  const std::string lowered = Lowered(typed.substr(0, 2 * kMachineNameMaxLength));
  std::string nearest;
  std::size_t best = 0;
  for (const Machine& machine : list.machines) {
    const std::size_t distance = EditDistance(lowered, Lowered(machine.name));
    if (nearest.empty() || distance < best) {
      nearest = machine.name;
      best = distance;
    }
  }
  return nearest;
}

}  // namespace corvanta
