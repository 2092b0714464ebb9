// The gear stock as a list of tooth counts and ranges, "16-20,24,30-90":
// how people write it, where the settings file keeps a text of marks.
#ifndef CORVANTA_SETTINGS_GEAR_LIST_TEXT_H
#define CORVANTA_SETTINGS_GEAR_LIST_TEXT_H

#include <string>
#include <string_view>

namespace corvanta {

// The gears owned in `gearStockText` (as the cells made from it hold them,
// GearStockCellText), in rising order, runs of two or more as "low-high",
// separated by commas; "" for none. GearStockFromList reads it back.
std::string GearListText(std::string_view gearStockText);

// What GearStockFromList made of a list: the stock as the settings file
// keeps it (154 marks), or why the list was refused.
struct GearList {
  std::string stockText;  // when problem is empty
  std::string problem;    // one sentence, without the list itself
};

// Items separated by commas, each a tooth count or a range "low-high" of
// change gears (16 to 169 teeth, both ends included); blanks around the
// numbers are allowed, repeats and overlaps too. Refused: an empty list or
// item, anything but digits, a count outside 16 to 169, a range whose low
// end is above its high end.
GearList GearStockFromList(std::string_view list);

}  // namespace corvanta

#endif
