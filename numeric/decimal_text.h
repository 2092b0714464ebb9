// Field text to 100-digit numbers, without exceptions.
#ifndef CORVANTA_NUMERIC_DECIMAL_TEXT_H
#define CORVANTA_NUMERIC_DECIMAL_TEXT_H

#include <optional>
#include <string_view>

#include "numeric/number_types.h"

namespace corvanta {

// The library's own parse of `text`, exactly as a control holds it; nullopt
// where the library rejects the text (for example "" or "1.2.3"). Callers
// refuse the operation then, and leave the display as it was.
std::optional<Decimal100> ParseDecimal100(std::string_view text);
// The same for the base-2 type, which takes plain decimal text only: an
// optional sign, digits and at most one point. An exponent, "inf", "nan" or
// a blank gives nullopt without reaching the library.
std::optional<Binary100> ParseBinary100(std::string_view text);

}  // namespace corvanta

#endif
