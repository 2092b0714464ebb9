#include "search/fast_search_worker.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "search/decimal_bounds.h"
#include "search/pair_index.h"

namespace corvanta {

namespace {

// The denominators looked at between two looks at the stop flag.
constexpr std::size_t kBlock = 4096;

// x + kRoundingShift - kRoundingShift is x rounded to an integer for |x| <
// 2^51 (1.5 x 2^52 leaves no bits below the units).
constexpr double kRoundingShift = 6755399441055744.0;

// One candidate's wanted feed ratio, and its double when some train can
// come within the tolerance of it.
struct Wanted {
  Decimal100 value;
  std::optional<BoundedDouble> reachable;
};

// The search of one worker, the candidate it is on, and what it keeps.
class RangeSearch {
 public:
  explicit RangeSearch(const WorkerContext& context)
      : context_(context),
        control_(*context.control),
        candidates_(*context.candidates),
        table_(context.tables->pairs),
        index_(context.tables->index),
        toleranceDouble_(FeedTolerance(context.wholeC)),
        tolerance_(toleranceDouble_) {}

  // The wanted ratio of every candidate of the range; false when one is
  // finite but has no proven double (SearchWorker must run instead).
  bool Prepare(std::size_t begin, std::size_t end);

  // The literal worker's candidate loop; false once a stop was seen.
  bool SearchCandidate(std::size_t k);

  std::vector<SolveResult>& best() { return best_; }

 private:
  double Reach(double w) const;
  bool StopRequested() const { return control_.StopRequested(); }
  void ScanDenominator(const CCandidate& candidate, const Wanted& wanted, std::size_t i,
                       double nearest);

  const WorkerContext& context_;
  RunControl& control_;
  const std::vector<CCandidate>& candidates_;
  const PairTable& table_;
  const PairIndex& index_;
  const double toleranceDouble_;
  const Decimal100 tolerance_;  // the double with all of its binary digits
  std::size_t begin_ = 0;
  std::vector<Wanted> wanted_;
  std::vector<SolveResult> best_;
  std::vector<BoundedDouble> keptErrors_;  // the feed error of each of best_
};

bool RangeSearch::Prepare(std::size_t begin, std::size_t end) {
  begin_ = begin;
  // A train's ratio lies between these, so a wanted ratio farther than the
  // tolerance outside them (with room for the doubles) meets no train.
  const double lowest = static_cast<double>(table_.front().product) / table_.back().product;
  const double highest = static_cast<double>(table_.back().product) / table_.front().product;
  // Every tolerance times a denominator stays below 1/2 (SearchCandidate).
  if (!(kBoundRoundingFactor * toleranceDouble_ * static_cast<double>(table_.back().product) < 0.5))
    return false;
  for (std::size_t k = begin; k < end; ++k) {
    Wanted wanted{FeedRatio(candidates_[k].C, context_), std::nullopt};
    // Not finite (a feed constant of 0): every error is infinite or NaN.
    if (isfinite(wanted.value)) {
      const auto bounded = BoundDecimal(wanted.value);
      if (!bounded) return false;
      const double slack = 2 * toleranceDouble_ + bounded->bound;
      if (bounded->value > lowest * kRatioRangeLowFactor - slack &&
          bounded->value < highest * kRatioRangeHighFactor + slack)
        wanted.reachable = bounded;
    }
    wanted_.push_back(std::move(wanted));
  }
  return true;
}

// A match over a denominator with product q is kept only when its error is
// below the tolerance and (once something is kept) below the worst error
// kept; call the lower of the two the limit. As the tolerance times q is
// below 1/2, only the integer p nearest to x = w q can then be a numerator
// product. Reach(w) is the limit widened by the bounds of ScanDenominator
// (the double w errs by 2^-49 |w|, forming x and |p - x| / q by 2^-53
// each, the 100-digit error by 1e-100 (p / q + error)): a denominator whose
// nearest integer lies farther than q x Reach(w) from x keeps nothing,
// whatever its bracket.
double RangeSearch::Reach(double w) const {
  double limit = toleranceDouble_;
  if (!keptErrors_.empty())
    limit = std::min(limit, keptErrors_.back().value + keptErrors_.back().bound);
  return limit + kReachSlack * (std::fabs(w) + limit) + kDecimalSlack;
}

bool RangeSearch::SearchCandidate(std::size_t k) {
  if (StopRequested()) return false;
  const std::uint32_t done = control_.progressCounter.fetch_add(1) + 1;
  if (done % 100 == 0 && context_.progress) {
    context_.progress(ProgressText(done, candidates_.size(), context_.logicalProcessors));
  }
  const Wanted& wanted = wanted_[k - begin_];
  if (!wanted.reachable) return true;

  const double w = wanted.reachable->value;
  const CCandidate& candidate = candidates_[k];
  const double* const products = index_.products.data();
  const std::size_t size = table_.size();
  // In blocks: first which denominators can keep anything (a tight loop),
  // then those few one by one. The reach shrinks as better matches are
  // kept; flags set with an older, wider reach only let more through.
  std::array<bool, kBlock> near;
  for (std::size_t start = 0; start < size; start += kBlock) {
    if (StopRequested()) return false;
    const double reach = Reach(w);
    const std::size_t length = std::min(kBlock, size - start);
    const double* const q = products + start;
    for (std::size_t b = 0; b < length; ++b) {
      const double x = w * q[b];
      const double nearest = (x + kRoundingShift) - kRoundingShift;
      near[b] = std::fabs(x - nearest) < q[b] * reach;
    }
    for (std::size_t b = 0; b < length; ++b) {
      if (!near[b]) continue;
      const double x = w * q[b];
      ScanDenominator(candidate, wanted, start + b, (x + kRoundingShift) - kRoundingShift);
    }
  }
  return true;
}

// The literal scan of the final bracket over denominator i, for the trains
// whose numerator product is `nearest` (no other product can be within the
// tolerance). Their 100-digit error is one value, formed at most once.
void RangeSearch::ScanDenominator(const CCandidate& candidate, const Wanted& wanted, std::size_t i,
                                  double nearest) {
  if (!(nearest >= 1 && nearest + 1 < static_cast<double>(index_.firstAtLeast.size()))) return;
  const auto product = static_cast<std::size_t>(nearest);
  const std::size_t first = index_.firstAtLeast[product], end = index_.firstAtLeast[product + 1];
  if (first == end) return;  // no pair has that product
  const RatioCut cut = CutAt(table_, index_, i, wanted.value, *wanted.reachable);
  Bracket bracket;
  if (cut.equal == 0) {
    bracket = {index_.bracketAtCut[cut.below].lo, index_.bracketAtCut[cut.below].hi};
  } else {
    bracket = NarrowAtCut(table_.size(), cut, [](std::size_t) {});
  }
  const std::size_t from = std::max(first, bracket.lo), to = std::min(end, bracket.hi + 1);
  if (from >= to) return;

  // The double of the error, |p - x| / q, is within 2^-48 (|w| + estimate)
  // of |p / q - wanted| (the double w errs by 2^-49 |w|, the products and
  // quotient by 2^-53 each); the 100-digit error is within 1e-100 x (p / q
  // + error) of that exact value, and the tolerance of its double.
  const double q = index_.products[i];
  const double w = wanted.reachable->value;
  const double estimate = std::fabs(nearest - w * q) / q;
  const double estimateBound = kFeedErrorEstimateError * (std::fabs(w) + estimate) + kDecimalSlack;
  std::optional<Decimal100> error;
  const auto exactError = [&]() -> const Decimal100& {
    if (!error) error = abs(TrainRatio(table_, from, i) - wanted.value);
    return *error;
  };

  std::optional<bool> within =
      BoundedLess(estimate, estimateBound, toleranceDouble_, kDecimalSlack);
  if (!within) within = exactError() < tolerance_;
  if (!*within) return;
  for (std::size_t j = from; j < to; ++j) {
    // Only a match better than the last one kept enters.
    if (!best_.empty()) {
      const BoundedDouble& worst = keptErrors_.back();
      std::optional<bool> better = BoundedLess(estimate, estimateBound, worst.value, worst.bound);
      if (!better) better = exactError() < best_.back().feedError;
      if (!*better) continue;
    }
    const std::size_t at = KeepMatch(best_, SolveResult{{table_[i].first, table_[i].second},
                                                        {table_[j].first, table_[j].second},
                                                        {candidate.g0, candidate.g1},
                                                        {candidate.g2, candidate.g3},
                                                        exactError(),
                                                        candidate.C});
    keptErrors_.insert(keptErrors_.begin() + static_cast<std::ptrdiff_t>(at),
                       {estimate, estimateBound});
    keptErrors_.resize(best_.size());
  }
}

}  // namespace

unsigned FastSearchWorker(const WorkerContext& context) {
  const StockTables& tables = *context.tables;
  const std::size_t begin = context.rangeBegin;
  const std::size_t end = std::min<std::size_t>(context.rangeEnd, context.candidates->size());
  if (tables.pairs.empty() || tables.index.products.size() != tables.pairs.size())
    return SearchWorker(context);
  RangeSearch search(context);
  if (!search.Prepare(begin, end)) return SearchWorker(context);
  for (std::size_t k = begin; k < end; ++k)
    if (!search.SearchCandidate(k)) break;
  context.results->Append(search.best());
  return 0;
}

}  // namespace corvanta
