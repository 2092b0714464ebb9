#include "search/search_method.h"

#include "search/c_from_index_ratio.h"
#include "search/fast_c_from_index_ratio.h"

namespace corvanta {

Decimal100 CFromIndexRatioBy(SearchMethod method, const Decimal100& y, const IndexTerms& terms) {
  return method == SearchMethod::kLiteral ? CFromIndexRatio(y, terms)
                                          : FastCFromIndexRatio(y, terms);
}

}  // namespace corvanta
