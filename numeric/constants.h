// Pi and the degree-to-radian step, at 100 significant digits.
#ifndef CORVANTA_NUMERIC_CONSTANTS_H
#define CORVANTA_NUMERIC_CONSTANTS_H

#include "numeric/number_types.h"

namespace corvanta {

// Boost.Math's pi for Decimal100, built once on first use and shared.
const Decimal100& Pi();

// angle x (pi / 180), evaluated as (pi / 180) x angle with 180 read from text.
Decimal100 DegreesToRadians(const Decimal100& degrees);

}  // namespace corvanta

#endif
