#include "search/search_worker.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "search/bracket_search.h"

namespace corvanta {

// Inserts after every entry of equal error, as a stable sort after an append
// would, so the same job keeps the same entries at the cut on every build.
std::size_t KeepMatch(std::vector<SolveResult>& best, SolveResult match) {
  const auto at = std::upper_bound(
      best.begin(), best.end(), match.feedError,
      [](const Decimal100& error, const SolveResult& kept) { return error < kept.feedError; });
  const auto position = static_cast<std::size_t>(at - best.begin());
  best.insert(at, std::move(match));
  if (best.size() > kMaxResults) best.resize(kMaxResults);
  return position;
}

Decimal100 FeedRatio(const Decimal100& c, const Decimal100& feedConstant,
                     const Decimal100& sinHelix, const Decimal100& piOverPn) {
  return piOverPn / (c * feedConstant) / sinHelix;
}

Decimal100 FeedRatio(const Decimal100& c, const WorkerContext& context) {
  return FeedRatio(c, context.feedConstant, context.sinHelix, context.piOverPn);
}

double FeedTolerance(bool wholeC) { return wholeC ? 1.5e-5 : 5e-6; }

std::string ProgressText(std::uint32_t done, std::size_t candidateCount,
                         unsigned logicalProcessors) {
  char text[170];
  std::snprintf(text, sizeof text,
                "Processing %i of %i C constants using %i logical processors... "
                "Press Escape to break early",
                static_cast<int>(done), static_cast<int>(candidateCount),
                static_cast<int>(logicalProcessors));
  return text;
}

unsigned SearchWorker(const WorkerContext& context) {
  RunControl& control = *context.control;
  const std::vector<CCandidate>& candidates = *context.candidates;
  const PairTable& table = context.tables->pairs;
  // The tolerance is a double and is compared with all of its binary digits.
  const Decimal100 tolerance(FeedTolerance(context.wholeC));
  const auto stopRequested = [&control] { return control.StopRequested(); };

  std::vector<SolveResult> best;
  const std::size_t end = std::min<std::size_t>(context.rangeEnd, candidates.size());
  for (std::size_t k = context.rangeBegin; k < end; ++k) {
    if (stopRequested()) break;
    const std::uint32_t done = control.progressCounter.fetch_add(1) + 1;
    if (done % 100 == 0 && context.progress) {
      context.progress(ProgressText(done, candidates.size(), context.logicalProcessors));
    }

    const CCandidate& candidate = candidates[k];
    // A C of 1e-110 (no usable C) asks for an enormous ratio, and a feed
    // constant of 0 for an infinite one: no train comes within tolerance.
    const Decimal100 wanted = FeedRatio(candidate.C, context);
    for (std::size_t i = 0; i < table.size(); ++i) {
      if (stopRequested()) break;
      const Bracket bracket = BracketSearch(table, i, wanted);
      for (std::size_t j = bracket.lo; j <= bracket.hi; ++j) {
        const Decimal100 error = abs(TrainRatio(table, j, i) - wanted);
        if (isnan(error) || !(error < tolerance)) continue;
        // Only a match better than the last one kept enters, even while
        // fewer than kMaxResults are kept.
        if (!best.empty() && !(best.back().feedError > error)) continue;
        SolveResult match;
        match.feedDenominator = {table[i].first, table[i].second};
        match.feedNumerator = {table[j].first, table[j].second};
        match.indexDenominator = {candidate.g0, candidate.g1};
        match.indexNumerator = {candidate.g2, candidate.g3};
        match.feedError = error;
        match.C = candidate.C;
        KeepMatch(best, std::move(match));
      }
    }
  }

  context.results->Append(best);
  return 0;
}

}  // namespace corvanta
