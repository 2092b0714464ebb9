// The shop's change gears, and the table of every two-gear product.
//
// A change-gear train is two driving gears over two driven gears, so every
// ratio the search can offer is the product of one pair over the product of
// another. Sorting all pair products once lets the search find the trains of
// a wanted ratio by narrowing instead of scanning.
#ifndef CORVANTA_SEARCH_PAIR_TABLE_H
#define CORVANTA_SEARCH_PAIR_TABLE_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "numeric/number_types.h"
#include "search/train_ratio.h"

namespace corvanta {

// Tooth counts the shop owns, ascending, without repeats.
using StockGears = std::vector<std::uint32_t>;

// One driving or driven pair of a train; `first` is never smaller than
// `second`, and `product` is their product.
struct GearPair {
  std::uint16_t first = 0;
  std::uint16_t second = 0;
  std::uint64_t product = 0;
};

// Every ordered pair of stock gears (n x n entries for n gears), ascending by
// product; equal products ascending by `first`. Equal products are common
// (40 x 30 = 50 x 24, and each pair of two different gears is present twice),
// and their order decides which of several equal trains is found first, so
// it is fixed here to make every build find the same trains.
using PairTable = std::vector<GearPair>;

// The sorted pair table of `stockGears`.
PairTable MakePairTable(const StockGears& stockGears);

// Ratio of the train whose driving pair is entry `numerator` and whose driven
// pair is entry `denominator` (train_ratio.h).
inline Decimal100 TrainRatio(const PairTable& table, std::size_t numerator,
                             std::size_t denominator) {
  return TrainRatio(table[numerator].product, table[denominator].product);
}

}  // namespace corvanta

#endif
