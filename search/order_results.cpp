#include "search/order_results.h"

#include <algorithm>
#include <set>
#include <tuple>
#include <utility>

#include "search/search_worker.h"

namespace corvanta {

namespace {

// Each pair as its smaller then its larger count; index numerator, index
// denominator, feed numerator, feed denominator.
std::array<std::uint16_t, 8> GearSetKey(const SolveResult& r) {
  std::array<std::uint16_t, 8> key{};
  const ToothPair* pairs[] = {&r.indexNumerator, &r.indexDenominator, &r.feedNumerator,
                              &r.feedDenominator};
  for (std::size_t p = 0; p < 4; ++p) {
    key[2 * p] = std::min(pairs[p]->first, pairs[p]->second);
    key[2 * p + 1] = std::max(pairs[p]->first, pairs[p]->second);
  }
  return key;
}

std::array<std::uint16_t, 8> LastToFirst(const SolveResult& r) {
  std::array<std::uint16_t, 8> counts = ToothCounts(r);
  std::reverse(counts.begin(), counts.end());
  return counts;
}

bool Before(const SolveResult& a, const SolveResult& b) {
  if (const int byError = CompareNumbers(a.feedError, b.feedError)) return byError < 0;
  const int repeatsA = RepeatCount(a), repeatsB = RepeatCount(b);
  if (repeatsA != repeatsB) return repeatsA < repeatsB;
  if (const int byC = CompareNumbers(a.C, b.C)) return byC < 0;
  return LastToFirst(a) < LastToFirst(b);
}

}  // namespace

std::array<std::uint16_t, 8> ToothCounts(const SolveResult& r) {
  return {r.feedDenominator.first, r.feedDenominator.second, r.feedNumerator.first,
          r.feedNumerator.second,  r.indexDenominator.first, r.indexDenominator.second,
          r.indexNumerator.first,  r.indexNumerator.second};
}

int RepeatCount(const SolveResult& result) {
  const std::array<std::uint16_t, 8> counts = ToothCounts(result);
  const std::set<std::uint16_t> different(counts.begin(), counts.end());
  return 8 - static_cast<int>(different.size());
}

int CompareNumbers(const Decimal100& a, const Decimal100& b) {
  const bool aNan = isnan(a), bNan = isnan(b);
  if (aNan || bNan) return static_cast<int>(aNan) - static_cast<int>(bNan);
  if (a < b) return -1;
  if (b < a) return 1;
  return 0;
}

void OrderResults(std::vector<SolveResult>& results) {
  // Stable, so that of several equal gear sets the one that arrived first is
  // kept (they can differ only in the pair order within a pair, which the
  // display does not show, or be exact copies).
  std::stable_sort(results.begin(), results.end(), [](const SolveResult& a, const SolveResult& b) {
    return GearSetKey(a) < GearSetKey(b);
  });
  results.erase(std::unique(results.begin(), results.end(),
                            [](const SolveResult& a, const SolveResult& b) {
                              return GearSetKey(a) == GearSetKey(b);
                            }),
                results.end());
  results.shrink_to_fit();

  std::sort(results.begin(), results.end(), Before);
  if (results.size() > kMaxResults) {
    results.resize(kMaxResults);
    results.shrink_to_fit();
  }
}

}  // namespace corvanta
