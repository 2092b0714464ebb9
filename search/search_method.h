// Which of the two searches a Solve runs.
#ifndef CORVANTA_SEARCH_SEARCH_METHOD_H
#define CORVANTA_SEARCH_SEARCH_METHOD_H

#include "numeric/number_types.h"
#include "search/job_values.h"

namespace corvanta {

// kFast decides with doubles and tooth-count products wherever a proven
// margin allows and gives the same results to the last digit; kLiteral
// makes every comparison in 100 digits and is the reference the fast search
// is checked against. Everything a Solve computes, up to the C on the
// display and the sheet, goes by the same method.
enum class SearchMethod { kFast, kLiteral };

// The C of an index train of ratio y: CFromIndexRatio for kLiteral,
// FastCFromIndexRatio (the same value to the last digit) for kFast.
Decimal100 CFromIndexRatioBy(SearchMethod method, const Decimal100& y, const IndexTerms& terms);

}  // namespace corvanta

#endif
