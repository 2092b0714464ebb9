// Any text to ExactRatioFromText: no crash, no undefined behaviour and no
// exception, and every ratio it gives is in lowest terms with a positive
// denominator.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "numeric/exact_ratio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::optional<corvanta::ExactRatio> ratio = corvanta::ExactRatioFromText(text);
  if (ratio && (ratio->denominator <= 0 || gcd(ratio->numerator, ratio->denominator) != 1))
    std::abort();
  return 0;
}
