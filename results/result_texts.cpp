#include "results/result_texts.h"

#include <algorithm>
#include <cstdint>

#include "numeric/constants.h"
#include "numeric/feed_constant.h"
#include "numeric/number_text.h"
#include "numeric/whole_number.h"
#include "search/search_worker.h"
#include "search/train_ratio.h"

namespace corvanta {

namespace {

// The cells of one train: numerator smaller then larger, over denominator
// larger then smaller, so each row reads the same way on every result.
std::array<std::string, 4> TrainCells(const ToothPair& numerator, const ToothPair& denominator) {
  return {ToothCountText(std::min(numerator.first, numerator.second)),
          ToothCountText(std::max(numerator.first, numerator.second)),
          ToothCountText(std::max(denominator.first, denominator.second)),
          ToothCountText(std::min(denominator.first, denominator.second))};
}

Decimal100 Teeth(std::uint16_t count) { return Decimal100(static_cast<int>(count)); }

}  // namespace

std::optional<int> CDenominatorSearch(const std::array<Decimal100, 7>& quantities) {
  for (int k = 1; k <= kMaxCDenominator; ++k) {
    const Decimal100 multiplier(k);
    const bool allWhole =
        std::all_of(quantities.begin(), quantities.end(),
                    [&](const Decimal100& q) { return IsWholeNumber(q * multiplier); });
    if (allWhole) return k;
  }
  return std::nullopt;
}

std::string CLineText(const Decimal100& c, const DisplayInputs& inputs,
                      const ToothPair& indexNumerator, const ToothPair& indexDenominator) {
  // C is shown as a fraction only when one small denominator k makes C, and
  // the index equation's numerator and denominator shared out over the
  // gears of the train, all whole: then the fraction is the train's own and
  // not an accident of the last digits. Otherwise the line stays empty
  // rather than show a fraction the train does not have.
  const Decimal100 p = inputs.indexConstant * Decimal100(inputs.hobThreads) * c;
  const Decimal100 m = c * Decimal100(inputs.teeth) + Decimal100(inputs.sign);
  const Decimal100 q2 = p / Teeth(indexNumerator.second);
  const Decimal100 q3 = p / Teeth(indexNumerator.first);
  const Decimal100 q4 = m / Teeth(indexDenominator.second);
  const Decimal100 q5 = m / Teeth(indexDenominator.first);
  const Decimal100 q6 = q2 / Teeth(indexNumerator.first);
  const Decimal100 q7 = q4 / Teeth(indexDenominator.first);
  const auto k = CDenominatorSearch({c, q2, q3, q4, q5, q6, q7});
  if (!k || !(floor(c) > 0)) return "";

  BigInt numerator = floor(c * Decimal100(*k)).convert_to<BigInt>();
  BigInt denominator = *k;
  const BigInt common = gcd(numerator, denominator);
  numerator /= common;
  denominator /= common;
  std::string text = "C: " + IntegerText(numerator);
  if (denominator != 1) text += "/" + IntegerText(denominator);
  return text;
}

std::string ActualFeedText(const Decimal100& actualFeed, const Decimal100& alongHelix) {
  std::string text = "Actual Feed From C: " + FixedText(actualFeed, 10) +
                     " Along Helix Angle: " + FixedText(alongHelix, 11);
  // One decimal more than shown, then dropped: the last shown digit is cut,
  // not rounded.
  text.pop_back();
  return text;
}

ResultJobTerms MakeResultJobTerms(const DisplayInputs& inputs) {
  ResultJobTerms terms;
  terms.feedConstant = EffectiveFeedConstant(inputs.feedConstant);
  const Decimal100 radians = DegreesToRadians(inputs.helixAngle);
  terms.sinHelix = sin(radians);
  terms.cosHelix = cos(radians);
  terms.piOverPn = Pi() / inputs.normalPitch;
  terms.teeth = Decimal100(inputs.teeth);
  return terms;
}

Decimal100 ShownC(const IndexTerms& indexTerms, const SolveResult& result, SearchMethod method) {
  return CFromIndexRatioBy(
      method, DecimalTrainRatio(result.indexNumerator, result.indexDenominator), indexTerms);
}

ResultNumbers EvaluateResultNumbers(const ResultJobTerms& terms, const Decimal100& c,
                                    const SolveResult& result) {
  ResultNumbers numbers;
  numbers.c = c;
  const Decimal100 feedRatio = DecimalTrainRatio(result.feedNumerator, result.feedDenominator);
  numbers.feedError = feedRatio - FeedRatio(c, terms.feedConstant, terms.sinHelix, terms.piOverPn);
  numbers.actualFeed = terms.piOverPn / (c * terms.sinHelix);
  numbers.alongHelix = numbers.actualFeed / terms.cosHelix;
  numbers.lead = c * feedRatio * terms.feedConstant * terms.teeth;
  // The lead that C and the gear's geometry ask for.
  const Decimal100 wantedLead = ((terms.piOverPn / (c * terms.sinHelix)) * c) * terms.teeth;
  numbers.leadError = numbers.lead - wantedLead;
  return numbers;
}

ResultNumbers EvaluateResultNumbers(const DisplayInputs& inputs, const IndexTerms& indexTerms,
                                    const SolveResult& result, SearchMethod method) {
  return EvaluateResultNumbers(MakeResultJobTerms(inputs), ShownC(indexTerms, result, method),
                               result);
}

ResultTexts ResultTextsOf(const DisplayInputs& inputs, const SolveResult& result,
                          const ResultNumbers& numbers) {
  ResultTexts texts;
  texts.indexCells = TrainCells(result.indexNumerator, result.indexDenominator);
  texts.feedCells = TrainCells(result.feedNumerator, result.feedDenominator);
  texts.cLine = CLineText(numbers.c, inputs, result.indexNumerator, result.indexDenominator);
  // C comes from the shown index train itself, so that train has no error.
  texts.indexErrorLine = "Index Error: None";
  texts.feedErrorLine = "Feed Error: " + FixedText(numbers.feedError, 12);
  texts.actualFeedText = ActualFeedText(numbers.actualFeed, numbers.alongHelix);
  texts.leadLine =
      "Lead: " + FixedText(numbers.lead, 10) + " (Error: " + FixedText(numbers.leadError, 10) + ")";
  return texts;
}

ResultTexts EvaluateResult(const DisplayInputs& inputs, const IndexTerms& indexTerms,
                           const SolveResult& result, SearchMethod method) {
  return ResultTextsOf(inputs, result, EvaluateResultNumbers(inputs, indexTerms, result, method));
}

}  // namespace corvanta
