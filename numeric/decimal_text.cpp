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

}  // namespace

std::optional<Decimal100> ParseDecimal100(std::string_view text) { return Parse<Decimal100>(text); }

std::optional<Binary100> ParseBinary100(std::string_view text) { return Parse<Binary100>(text); }

}  // namespace corvanta
