// A job in memory controls, and exact rational arithmetic to check the
// result display by (at 30 degrees sin = 1/2, cos = sqrt(3)/2).
#ifndef CORVANTA_TESTS_SEARCH_SEARCH_TEST_SUPPORT_H
#define CORVANTA_TESTS_SEARCH_SEARCH_TEST_SUPPORT_H

#include <algorithm>
#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <optional>
#include <string>
#include <vector>

#include "app/memory_controls.h"
#include "numeric/number_types.h"
#include "resources/resource.h"
#include "search/candidates.h"
#include "search/order_results.h"
#include "search/search_worker.h"
#include "search/solve_driver.h"

namespace corvanta::testing {

using Rational = boost::multiprecision::cpp_rational;
using BigInteger = boost::multiprecision::cpp_int;

inline std::vector<int> Stock(int from = 30, int to = 90) {  // default: a fresh installation's
  std::vector<int> teeth;
  for (int t = from; t <= to; ++t) teeth.push_back(t);
  return teeth;
}

// Every gear-stock cell "0" except the listed tooth counts.
inline void SetStock(MemoryControls& controls, const std::vector<int>& owned) {
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k)
    controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + k, "0");
  for (int teeth : owned) controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + teeth - 16, "1");
}

// Defaults: the regression job (set-up row 0 has the sign -1).
struct Job {
  std::string indexConst = "30", feedConst = "0.075", feedRate = ".025", helix = "30", pitch = "10";
  int teeth = 40;
  std::string hobThreads = "1";
  int row = 0;
  bool wholeC = false;
};

// Puts `job` into controls made fresh for it (lists get their items here).
inline void SetJob(MemoryControls& controls, const Job& job) {
  controls.SetText(IDC_INDEX_CONST, job.indexConst);
  controls.SetText(IDC_FEED_CONST, job.feedConst);
  controls.SetText(IDC_FEED_RATE, job.feedRate);
  controls.SetText(IDC_HELIX_ANGLE, job.helix);
  controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, job.pitch);
  for (int n = 1; n <= 500; ++n) controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(n));
  controls.Select(IDC_NUMBER_OF_TEETH, job.teeth - 1);
  controls.SetText(IDC_HOB_THREADS, job.hobThreads);
  for (int r = 0; r < 8; ++r) controls.AddItem(IDC_HAND_CUT_CHOOSER, std::to_string(r));
  controls.Select(IDC_HAND_CUT_CHOOSER, job.row);
  controls.SetChecked(IDC_WHOLE_C_ONLY, job.wholeC);
}

// The job read, the pair table and the C candidates built; Run runs one
// worker over a range of them.
struct ReadySearch {
  MemoryControls controls;
  SearchState state;
  std::optional<JobValues> job;
  bool found = false;
  ReadySearch(const Job& setup, const std::vector<int>& stock) {
    SetStock(controls, stock);
    SetJob(controls, setup);
    BuildPairTable(controls, state);
    job = ReadJobValues(controls);
    found = job && FindCandidates(state, controls, *job);
  }
  void Run(std::size_t begin, std::size_t end) {
    WorkerContext context;
    context.rangeBegin = static_cast<std::uint32_t>(begin),
    context.rangeEnd = static_cast<std::uint32_t>(end);
    context.feedConstant = job->feedConstant, context.sinHelix = job->sinHelix,
    context.piOverPn = job->piOverPn;
    context.wholeC = job->wholeC, context.state = &state;
    SearchWorker(context);
  }
};

inline std::vector<std::array<std::uint16_t, 8>> CountsOf(const std::vector<SolveResult>& results) {
  std::vector<std::array<std::uint16_t, 8>> counts;
  for (const SolveResult& r : results) counts.push_back(ToothCounts(r));
  return counts;
}

// The ordered results of each range of a split run on its own, without the driver.
inline std::vector<std::array<std::uint16_t, 8>> ListTheSplitImplies(const std::vector<int>& stock,
                                                                     unsigned processors) {
  ReadySearch search({}, stock);
  for (const WorkerRange& r : SplitCandidates(search.state.candidates.size(), processors))
    search.Run(r.rangeBegin, r.rangeEnd);
  OrderResults(search.state.results);
  return CountsOf(search.state.results);
}

inline Rational Power10(int exponent) {
  return Rational(boost::multiprecision::pow(BigInteger(10), static_cast<unsigned>(exponent)));
}

// Pi to 150 decimals; sqrt(3) to 100.
inline Rational PiRational() {
  return Rational(BigInteger(
             "3141592653589793238462643383279502884197169399375105820974944592307816406286"
             "208998628034825342117067982148086513282306647093844609550582231725359408128")) /
         Power10(150);
}
inline Rational Sqrt3Rational() {
  const BigInteger scale = boost::multiprecision::pow(BigInteger(10), 100);
  return Rational(boost::multiprecision::sqrt(BigInteger(3) * scale * scale), scale);
}

// x in fixed notation, rounded to nearest; a negative value keeps its sign
// even when it rounds to zero.
inline std::string RoundedText(Rational x, int decimals) {
  const bool negative = x < 0;
  const Rational scaled = abs(x) * Power10(decimals);
  BigInteger n = numerator(scaled) / denominator(scaled);
  if (scaled - n >= Rational(1, 2)) ++n;
  std::string digits = n.str();
  const auto d = static_cast<std::size_t>(decimals);
  if (digits.size() <= d) digits.insert(0, d + 1 - digits.size(), '0');
  digits.insert(digits.size() - d, ".");
  return (negative ? "-" : "") + digits;
}

// A job at 30 degrees of helix and normal pitch 10, every value exact.
struct ExactJob {
  Rational indexConstant{30};
  Rational feedConstant{3, 40};  // as used: already 1 / Kf when the field held more than 3
  int teeth = 40, hobThreads = 1, sign = -1;
};

// The eight tooth counts of a train pair, as a result records them.
struct Trains {
  std::array<int, 2> feedDenominator, feedNumerator, indexDenominator, indexNumerator;
};

struct ExactDisplay {
  Rational c, feedError;  // feedError signed
  std::array<std::string, 4> indexCells, feedCells;
  std::string indexErrorLine = "Index Error: None", feedErrorLine, actualFeedText, leadLine;
};

inline std::array<std::string, 4> Cells(const std::array<int, 2>& up,
                                        const std::array<int, 2>& down) {
  return {std::to_string(std::min(up[0], up[1])), std::to_string(std::max(up[0], up[1])),
          std::to_string(std::max(down[0], down[1])), std::to_string(std::min(down[0], down[1]))};
}

inline ExactDisplay ExpectDisplay(const ExactJob& job, const Trains& t) {
  const Rational pi = PiRational(), sinHelix(1, 2), cosHelix = Sqrt3Rational() / 2;
  const Rational p = Rational(t.indexNumerator[0]) * t.indexNumerator[1];
  const Rational q = Rational(t.indexDenominator[0]) * t.indexDenominator[1];
  const Rational kiT = job.indexConstant * job.hobThreads;
  ExactDisplay d;
  d.c = p * job.sign / (kiT * q - job.teeth * p);  // Ki T C / (C N + s) = p / q, solved for C
  d.indexCells = Cells(t.indexNumerator, t.indexDenominator);
  d.feedCells = Cells(t.feedNumerator, t.feedDenominator);

  const Rational pitch = pi / 10;
  const Rational feed = Rational(t.feedNumerator[0] * t.feedNumerator[1],
                                 t.feedDenominator[0] * t.feedDenominator[1]);
  d.feedError = feed - pitch / (d.c * job.feedConstant) / sinHelix;
  d.feedErrorLine = "Feed Error: " + RoundedText(d.feedError, 12);
  const Rational actual = pitch / (d.c * sinHelix);
  std::string along = RoundedText(actual / cosHelix, 11);
  along.pop_back();  // the last decimal is cut, not rounded
  d.actualFeedText =
      "Actual Feed From C: " + RoundedText(actual, 10) + " Along Helix Angle: " + along;
  const Rational lead = d.c * feed * job.feedConstant * job.teeth;
  d.leadLine = "Lead: " + RoundedText(lead, 10) +
               " (Error: " + RoundedText(lead - pitch / sinHelix * job.teeth, 10) + ")";
  return d;
}

}  // namespace corvanta::testing

#endif
