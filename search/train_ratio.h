// The ratio of a change-gear train from its tooth counts.
//
// A ratio is the driving pair's product over the driven pair's, and it is
// formed in one of exactly two ways, both written here and nowhere else.
// They are different 100-digit operations: Decimal100 divides a value in
// place by an integer digit by digit, and by another Decimal100 through its
// reciprocal. Both lie within kDecimalRelativeError (decimal_bounds.h) of
// the exact ratio, but for many trains they differ in their last digits
// (166 x 100 over 164 x 135 is one). The search has always compared its
// trains by the first and derived each C from the second; every C, every
// deviation and every feed error it keeps depends on which is which.
#ifndef CORVANTA_SEARCH_TRAIN_RATIO_H
#define CORVANTA_SEARCH_TRAIN_RATIO_H

#include <cstdint>

#include "numeric/number_types.h"
#include "search/solve_result.h"

namespace corvanta {

// The product of the tooth counts of one pair, exact.
inline std::uint64_t PairProduct(std::uint32_t first, std::uint32_t second) {
  return std::uint64_t{first} * second;
}

// The ratio the search compares its trains by (every train of the pair
// table: the bracket steps, the index deviations and the feed errors): the
// driving product converted exactly and divided by the integer driven
// product. The dividend must stay a temporary: only then does the library
// divide by the integer itself; an lvalue would be divided by the integer
// made a Decimal100, which is the other form.
inline Decimal100 TrainRatio(std::uint64_t drivingProduct, std::uint64_t drivenProduct) {
  return Decimal100(drivingProduct) / drivenProduct;
}

// The ratio each C is derived from, by the search (IndexRatioOf) and by the
// display (EvaluateResult), and the feed train's ratio on the display and
// the sheet: both products as Decimal100, one divided by the other. (Every
// way the program has turned a product into a Decimal100, from an integer,
// from its text or as the product of two counts, gives the same number,
// limb for limb.)
inline Decimal100 DecimalTrainRatio(std::uint64_t drivingProduct, std::uint64_t drivenProduct) {
  return Decimal100(drivingProduct) / Decimal100(drivenProduct);
}

// The same for a train held as its driving and its driven pair.
inline Decimal100 DecimalTrainRatio(const ToothPair& driving, const ToothPair& driven) {
  return DecimalTrainRatio(PairProduct(driving.first, driving.second),
                           PairProduct(driven.first, driven.second));
}

}  // namespace corvanta

#endif
