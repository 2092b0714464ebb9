// corvanta-solve's view of the saved machines: --list-machines, and the
// nearest name to one --machine does not know.
#ifndef CORVANTA_TOOLS_MACHINE_LISTING_H
#define CORVANTA_TOOLS_MACHINE_LISTING_H

#include <string>
#include <string_view>

#include "settings/machines.h"

namespace corvanta {

// One line per machine, in the file's order, the current one marked "* "
// and the others indented to match:
//   * Mill 2: Index Constant 40, Feed Constant 2.5, Feed Rate .030, Gears 16-20,24,30-90
// the gears as --gears takes them (GearListText), "none" for none, an
// empty text as "(empty)"; bytes of the file that are no printable ASCII
// are escaped. "" without machines.
std::string MachineListing(const MachineList& list);

// The saved name nearest to `typed` without regard to case: the fewest
// edits (EditDistance), on a tie the first in the file. "" without
// machines.
std::string NearestMachineName(const MachineList& list, std::string_view typed);

}  // namespace corvanta

#endif
