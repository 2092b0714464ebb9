// One index train whose C constant gives a feed near the wanted feed rate.
#ifndef CORVANTA_SEARCH_C_CANDIDATE_H
#define CORVANTA_SEARCH_C_CANDIDATE_H

#include <cstdint>

#include "numeric/number_types.h"
#include "search/train_ratio.h"

namespace corvanta {

struct CCandidate {
  std::uint16_t g0 = 0;  // driven pair: first, second
  std::uint16_t g1 = 0;
  std::uint16_t g2 = 0;  // driving pair: first, second
  std::uint16_t g3 = 0;
  // |train ratio - IndexRatio(Ctarget)|; also what makes two trains "the same".
  Decimal100 indexDeviation;
  Decimal100 C;  // 0 until the candidate search has finished
};

// The index ratio the candidate's C is refined from: DecimalTrainRatio
// (train_ratio.h) of the driving pair g2, g3 over the driven pair g0, g1.
// Both searches take it from here, so both refine C from the same digits.
inline Decimal100 IndexRatioOf(const CCandidate& candidate) {
  return DecimalTrainRatio(PairProduct(candidate.g2, candidate.g3),
                           PairProduct(candidate.g0, candidate.g1));
}

}  // namespace corvanta

#endif
