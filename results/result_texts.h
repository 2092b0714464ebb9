// The texts of one found result: the two trains as fractions, C as an exact
// fraction, the lead and its error, the feed C implies and the error of the
// feed train.
//
// Nothing stored in the result is trusted but its eight tooth counts: every
// number is evaluated afresh, in Decimal100, from those gears and the job's
// inputs, so the display always describes the job on the page.
#ifndef CORVANTA_RESULTS_RESULT_TEXTS_H
#define CORVANTA_RESULTS_RESULT_TEXTS_H

#include <array>
#include <optional>
#include <string>

#include "numeric/number_types.h"
#include "search/job_values.h"
#include "search/search_method.h"
#include "search/solve_result.h"

namespace corvanta {

// The largest multiplier CDenominatorSearch tries.
inline constexpr int kMaxCDenominator = 9999;

// The job as the display reads it from the main page.
struct DisplayInputs {
  Decimal100 indexConstant;  // Ki
  Decimal100 feedConstant;   // Kf as typed
  Decimal100 helixAngle;     // degrees
  Decimal100 normalPitch;    // Pn
  int teeth = 0;             // N
  int hobThreads = 0;        // T
  int sign = 1;              // s of the selected set-up row
};

// The texts of one result, as the controls show them.
struct ResultTexts {
  // Upper left, upper right, lower left, lower right: the numerator's
  // smaller then larger count over the denominator's larger then smaller.
  std::array<std::string, 4> indexCells;
  std::array<std::string, 4> feedCells;
  std::string cLine;           // "C: 71/2", "C: 35", or "" when C has no such form
  std::string indexErrorLine;  // "Index Error: None"
  std::string feedErrorLine;   // "Feed Error: -0.000000002466"
  std::string actualFeedText;  // "Actual Feed From C: ... Along Helix Angle: ..."
  std::string leadLine;        // "Lead: ... (Error: ...)"
};

// The smallest k from 1 to kMaxCDenominator for which every quantity times
// k passes IsWholeNumber (tested in order, the first failure ending the
// test); nullopt when there is none.
std::optional<int> CDenominatorSearch(const std::array<Decimal100, 7>& quantities);

// The C line of a result whose index train is `indexNumerator` over
// `indexDenominator`, for the C derived from it: "C: " and C as a reduced
// fraction when CDenominatorSearch finds a multiplier and floor(C) > 0,
// else "".
std::string CLineText(const Decimal100& c, const DisplayInputs& inputs,
                      const ToothPair& indexNumerator, const ToothPair& indexDenominator);

// "Actual Feed From C: " with 10 decimals and " Along Helix Angle: " with 11,
// less the last character: the second number keeps 10 decimals, cut rather
// than rounded.
std::string ActualFeedText(const Decimal100& actualFeed, const Decimal100& alongHelix);

// The numbers of one result for the job on the page, each in 100 digits:
// what its texts show, and what a list of results sorts by.
struct ResultNumbers {
  Decimal100 c;           // from the index train, as EvaluateResult says
  Decimal100 feedError;   // feed train ratio - FeedRatio(c), signed
  Decimal100 actualFeed;  // the feed C implies
  Decimal100 alongHelix;  // the same along the helix
  Decimal100 lead;        // the lead the trains cut
  Decimal100 leadError;   // lead - the lead C and the geometry ask for
};

// What the numbers of every result of one job share, worked out once.
struct ResultJobTerms {
  Decimal100 feedConstant;  // EffectiveFeedConstant of the typed one
  Decimal100 sinHelix;
  Decimal100 cosHelix;
  Decimal100 piOverPn;
  Decimal100 teeth;
};
ResultJobTerms MakeResultJobTerms(const DisplayInputs& inputs);

// The numbers of `result` for the job of `inputs`, C derived as for its
// texts (EvaluateResult).
ResultNumbers EvaluateResultNumbers(const DisplayInputs& inputs, const IndexTerms& indexTerms,
                                    const SolveResult& result, SearchMethod method);
// The same for a C already derived from the index train (for many results
// of one job: the bisection is most of the cost).
ResultNumbers EvaluateResultNumbers(const ResultJobTerms& terms, const Decimal100& c,
                                    const SolveResult& result);
// C of `result` as EvaluateResult derives it.
Decimal100 ShownC(const IndexTerms& indexTerms, const SolveResult& result, SearchMethod method);

// The texts of `result` whose numbers for the job of `inputs` are
// `numbers` (EvaluateResultNumbers): what EvaluateResult shows, for a caller
// that needs the numbers too.
ResultTexts ResultTextsOf(const DisplayInputs& inputs, const SolveResult& result,
                          const ResultNumbers& numbers);

// Every text of `result` for the job of `inputs`. C comes from the index
// train by the bisection of `method` with `indexTerms`, the terms the search
// used, so the C shown is the C the train was found for. (Not result.C
// itself: with whole C constants only, the search keeps C rounded to the
// whole number, and the texts of an exactly whole C are not always those
// of the bisection's C. At Ki 30, T 1, N 40, s +1 the train 16 x 30 over
// 41 x 16 has C = 1: the bisection's C, 1 + 1e-110, shows "C: 1", the
// exact 1 an empty C line, its quotients by the gears falling a hair short
// of whole numbers.)
ResultTexts EvaluateResult(const DisplayInputs& inputs, const IndexTerms& indexTerms,
                           const SolveResult& result, SearchMethod method);

}  // namespace corvanta

#endif
