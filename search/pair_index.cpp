#include "search/pair_index.h"

#include <algorithm>
#include <cmath>

namespace corvanta {

PairIndex MakePairIndex(const PairTable& table) {
  PairIndex index;
  if (table.empty()) return index;
  const std::size_t size = table.size();
  const std::uint64_t largest = table.back().product;
  index.firstAtLeast.resize(largest + 2);
  std::size_t position = 0;
  for (std::uint64_t v = 0; v <= largest + 1; ++v) {
    while (position < size && table[position].product < v) ++position;
    index.firstAtLeast[v] = static_cast<std::uint32_t>(position);
  }
  for (const GearPair& pair : table)
    index.products.push_back(static_cast<double>(static_cast<std::int64_t>(pair.product)));
  index.bracketAtCut.resize(size + 1);
  for (std::size_t below = 0; below <= size; ++below) {
    const Bracket bracket = NarrowAtCut(size, {below, 0}, [](std::size_t) {});
    index.bracketAtCut[below] = {static_cast<std::uint32_t>(bracket.lo),
                                 static_cast<std::uint32_t>(bracket.hi)};
  }
  return index;
}

RatioCut CutAt(const PairTable& table, const PairIndex& index, std::size_t denominator,
               const Decimal100& value, const BoundedDouble& bounded) {
  // A product p lies below value x q exactly when its ratio p / q lies below
  // the value; and the 100-digit ratio the search compares, within 1e-100
  // p / q of p / q, is on the same side whenever p is farther from value x q
  // than 1e-100 p. x = bounded.value x q is within bounded.bound x q +
  // 2^-53 |x| of value x q. The half-width `reach` covers both, the rounding
  // of x -+ reach and a factor of safety, so every product at or below `lo`
  // is below and every one at or above `hi` is above; only an integer
  // strictly between them is in doubt, and reach is far below 1/2 wherever
  // products lie, so there is at most one.
  const std::size_t size = table.size();
  const double q = index.products[denominator];
  const double x = bounded.value * q;
  const double reach =
      kBoundRoundingFactor * (bounded.bound * q + kCutRoundingSlack * std::fabs(x)) +
      kDecimalSlack * (std::fabs(x) + 1);
  const double lo = x - reach, hi = x + reach;
  const double largest = static_cast<double>(index.firstAtLeast.size() - 2);
  if (lo > largest) return {size, 0};  // every product is below
  if (hi < 1) return {0, 0};           // every product (at least 1) is above
  const auto firstAtLeast = [&](double v) -> std::size_t {
    return index.firstAtLeast[static_cast<std::size_t>(std::min(std::max(v, 0.0), largest + 1))];
  };
  const double inDoubt = std::floor(lo) + 1;
  if (!(inDoubt < hi)) return {firstAtLeast(inDoubt), 0};
  const std::size_t begin = firstAtLeast(inDoubt), end = firstAtLeast(inDoubt + 1);
  if (begin == end) return {begin, 0};  // no pair has that product
  // Equal products give equal ratios: one division decides them all.
  const Decimal100 ratio = TrainRatio(table, begin, denominator);
  if (ratio < value) return {end, 0};
  if (ratio > value) return {begin, 0};
  return {begin, end - begin};
}

}  // namespace corvanta
