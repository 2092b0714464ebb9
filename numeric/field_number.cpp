#include "numeric/field_number.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>

namespace corvanta {

double FieldDouble(std::string_view text) {
  const std::string terminated(text);
  return std::strtod(terminated.c_str(), nullptr);
}

int FieldInteger(std::string_view text) {
  const std::string terminated(text);
  const long value = std::strtol(terminated.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(value, INT_MIN, INT_MAX));
}

}  // namespace corvanta
