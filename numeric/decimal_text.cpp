#include "numeric/decimal_text.h"

#include <stdexcept>
#include <string>

namespace corvanta {

namespace {

template <typename Number>
std::optional<Number> Parse(std::string_view text) {
  // The Binary100 parser takes "" as 0 where the Decimal100 one refuses it;
  // an empty field is never a number here.
  if (text.empty()) return std::nullopt;
  try {
    return Number(std::string(text));
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

// An optional sign, then digits with at most one point among them, at least
// one digit: the only texts the program hands the base-2 parser (field
// texts, and numbers it wrote in fixed notation). Anything else is refused
// before the library sees it: its reader overflows a long on an exponent
// such as "1e9223372036854775807".
bool IsPlainDecimal(std::string_view text) {
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
  bool digit = false, point = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

std::optional<Decimal100> ParseDecimal100(std::string_view text) { return Parse<Decimal100>(text); }

std::optional<Binary100> ParseBinary100(std::string_view text) {
  if (!IsPlainDecimal(text)) return std::nullopt;
  return Parse<Binary100>(text);
}

}  // namespace corvanta
