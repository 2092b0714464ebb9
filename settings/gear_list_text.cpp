#include "settings/gear_list_text.h"

#include <charconv>
#include <optional>

#include "settings/gear_stock_text.h"

namespace corvanta {
namespace {

constexpr int kLastStockToothCount =
    kFirstStockToothCount + static_cast<int>(kGearStockCellCount) - 1;

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

std::string Range() {
  return std::to_string(kFirstStockToothCount) + " to " + std::to_string(kLastStockToothCount);
}

// The tooth count `text` stands for, or the reason it stands for none.
std::optional<int> ToothCount(std::string_view text, std::string* problem) {
  text = Trimmed(text);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string_view::npos) {
    *problem = "\"" + std::string(text) + "\" is no tooth count";
    return std::nullopt;
  }
  int teeth = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), teeth);
  if (error != std::errc() || end != text.data() + text.size() || teeth < kFirstStockToothCount ||
      teeth > kLastStockToothCount) {
    *problem = std::string(text) + " is no change gear (" + Range() + " teeth)";
    return std::nullopt;
  }
  return teeth;
}

}  // namespace

std::string GearListText(std::string_view gearStockText) {
  std::string list;
  std::size_t cell = 0;
  while (cell < kGearStockCellCount) {
    if (GearStockCellText(gearStockText, cell) != "1") {
      ++cell;
      continue;
    }
    std::size_t last = cell;
    while (last + 1 < kGearStockCellCount && GearStockCellText(gearStockText, last + 1) == "1")
      ++last;
    if (!list.empty()) list += ',';
    list += std::to_string(kFirstStockToothCount + static_cast<int>(cell));
    if (last > cell) list += '-' + std::to_string(kFirstStockToothCount + static_cast<int>(last));
    cell = last + 1;
  }
  return list;
}

GearList GearStockFromList(std::string_view list) {
  GearList result{std::string(kGearStockCellCount, '0'), {}};
  if (Trimmed(list).empty()) return {{}, "the list is empty"};
  std::size_t from = 0;
  while (true) {
    const std::size_t comma = std::min(list.find(',', from), list.size());
    const std::string_view item = list.substr(from, comma - from);
    if (Trimmed(item).empty()) return {{}, "an item between commas is empty"};
    const std::size_t dash = item.find('-');
    std::string problem;
    const std::optional<int> low = ToothCount(item.substr(0, dash), &problem);
    std::optional<int> high = low;
    if (low && dash != std::string_view::npos) high = ToothCount(item.substr(dash + 1), &problem);
    if (!low || !high) return {{}, problem};
    if (*low > *high)
      return {{}, "the range " + std::string(Trimmed(item)) + " runs from high to low"};
    for (int teeth = *low; teeth <= *high; ++teeth)
      result.stockText[static_cast<std::size_t>(teeth - kFirstStockToothCount)] = '1';
    if (comma == list.size()) break;
    from = comma + 1;
  }
  return result;
}

}  // namespace corvanta
