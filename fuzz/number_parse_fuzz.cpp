// Any text to the 100-digit decimal and base-2 parsers: no crash, no
// undefined behaviour and no exception, whatever the text. A text the
// base-2 parser takes, the decimal one takes as well.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "numeric/decimal_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto decimal = corvanta::ParseDecimal100(text);
  const auto binary = corvanta::ParseBinary100(text);
  if (binary && !decimal) std::abort();
  return 0;
}
