// The C constant that an index train of a given ratio stands for.
#ifndef CORVANTA_SEARCH_C_FROM_INDEX_RATIO_H
#define CORVANTA_SEARCH_C_FROM_INDEX_RATIO_H

#include "numeric/number_types.h"
#include "search/job_values.h"

namespace corvanta {

// Solves IndexRatio(C) = y for C by bisection on [0, 100000] and returns C
// plus 1e-110. A ratio that needs a C above 99999, or a bisection that ends
// in a zero denominator, gives 0 + 1e-110: a C that no feed train can serve.
// The bisection stops after 1000 halvings at the latest. The search and the
// later display of a result call it with the same terms, so both derive the
// same C from the same train.
Decimal100 CFromIndexRatio(const Decimal100& y, const IndexTerms& terms);

}  // namespace corvanta

#endif
