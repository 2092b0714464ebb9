#include "results/result_display.h"

#include <algorithm>
#include <cstdint>

#include "numeric/constants.h"
#include "numeric/decimal_text.h"
#include "numeric/field_number.h"
#include "numeric/number_text.h"
#include "numeric/whole_number.h"
#include "resources/resource.h"
#include "results/machine_setup.h"
#include "search/c_from_index_ratio.h"
#include "search/search_worker.h"

namespace corvanta {

namespace {

// Field texts are read into buffers of 60 characters; the hob-threads value
// into one of 3 (it never holds more than "24").
constexpr std::size_t kFieldReadSize = 60;
constexpr std::size_t kHobThreadsReadSize = 3;

// The train cells in the order of ResultTexts: upper left, upper right,
// lower left, lower right.
constexpr ControlId kIndexCells[] = {IDC_INDEX_UPPER_LEFT, IDC_INDEX_UPPER_RIGHT,
                                     IDC_INDEX_LOWER_LEFT, IDC_INDEX_LOWER_RIGHT};
constexpr ControlId kFeedCells[] = {IDC_FEED_UPPER_LEFT, IDC_FEED_UPPER_RIGHT, IDC_FEED_LOWER_LEFT,
                                    IDC_FEED_LOWER_RIGHT};

// What a shown result makes usable again once a Solve has locked it.
constexpr ControlId kEnabledWithResult[] = {
    IDC_EXIT_BUTTON, IDC_RESULT_SELECTOR, IDC_HOB_THREADS_SPINNER,
    // The seven inputs, their labels, the hob threads and the whole-C box.
    IDC_INDEX_CONST, IDC_FEED_CONST, IDC_NUMBER_OF_TEETH, IDC_HELIX_ANGLE, IDC_HAND_CUT_CHOOSER,
    IDC_NORMAL_DIAMETRAL_PITCH, IDC_FEED_RATE, IDC_INDEX_CONST_LABEL, IDC_FEED_CONST_LABEL,
    IDC_NUMBER_OF_TEETH_LABEL, IDC_HELIX_ANGLE_LABEL, IDC_NORMAL_DIAMETRAL_PITCH_LABEL,
    IDC_FEED_RATE_LABEL, IDC_HOB_THREADS_LABEL, IDC_HOB_THREADS, IDC_WHOLE_C_ONLY,
    // The heads of the hand/cut table.
    IDC_HOB_HEAD, IDC_GEAR_HEAD, IDC_TYPE_OF_CUT_HEAD, IDC_SIGN_HEAD, IDC_WORK_HEAD,
    IDC_INDEX_STUDS_HEAD, IDC_FEED_STUDS_HEAD, IDC_INTERMEDIATE_STUDS_HEAD,
    // The result and geometry lines.
    IDC_C_LINE, IDC_INDEX_ERROR_LINE, IDC_FEED_ERROR_LINE, IDC_ACTUAL_FEED_TEXT, IDC_LEAD_LINE,
    IDC_PITCH_DIAMETER_LINE, IDC_OUTSIDE_DIAMETER_LINE};

constexpr ControlId kShownWithResult[] = {
    IDC_RESULT_SELECTOR,  IDC_INDEX_CAPTION,       IDC_RESULT_CAPTION,       IDC_FEED_CAPTION,
    IDC_INDEX_UPPER_LEFT, IDC_INDEX_UPPER_RIGHT,   IDC_INDEX_LOWER_LEFT,     IDC_INDEX_LOWER_RIGHT,
    IDC_FEED_UPPER_LEFT,  IDC_FEED_UPPER_RIGHT,    IDC_FEED_LOWER_LEFT,      IDC_FEED_LOWER_RIGHT,
    IDC_C_LINE,           IDC_LEAD_LINE,           IDC_INDEX_ERROR_LINE,     IDC_FEED_ERROR_LINE,
    IDC_ACTUAL_FEED_TEXT, IDC_PITCH_DIAMETER_LINE, IDC_OUTSIDE_DIAMETER_LINE};

void EnableMenuBar(ControlAccess& window, bool enabled) {
  const int items = window.MenuBarItemCount();
  for (int position = 0; position < items; ++position) window.EnableMenuBarItem(position, enabled);
  window.RedrawMenuBar();
}

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

std::optional<DisplayInputs> ReadDisplayInputs(const ControlAccess& window) {
  const auto indexConstant = ParseDecimal100(window.GetText(IDC_INDEX_CONST, kFieldReadSize));
  auto feedConstant = ParseDecimal100(window.GetText(IDC_FEED_CONST, kFieldReadSize));
  const auto helixAngle = ParseDecimal100(window.GetText(IDC_HELIX_ANGLE, kFieldReadSize));
  const auto normalPitch =
      ParseDecimal100(window.GetText(IDC_NORMAL_DIAMETRAL_PITCH, kFieldReadSize));
  const int teethRow = window.GetSelection(IDC_NUMBER_OF_TEETH);
  if (!indexConstant || !feedConstant || !helixAngle || !normalPitch || teethRow == kNoSelection)
    return std::nullopt;

  DisplayInputs inputs;
  inputs.indexConstant = *indexConstant;
  // Feed constants above 3 are entered as their reciprocal on these machines.
  if (!isnan(*feedConstant) && *feedConstant > Decimal100(3.0))
    *feedConstant = Decimal100(1.0) / *feedConstant;
  inputs.feedConstant = *feedConstant;
  inputs.helixAngle = *helixAngle;
  inputs.normalPitch = *normalPitch;
  inputs.teeth = FieldInteger(window.GetItemText(IDC_NUMBER_OF_TEETH, teethRow));
  inputs.hobThreads = FieldInteger(window.GetText(IDC_HOB_THREADS, kHobThreadsReadSize));
  inputs.sign = SetupSign(window.GetSelection(IDC_HAND_CUT_CHOOSER));
  return inputs;
}

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

std::optional<ResultTexts> EvaluateResult(const ControlAccess& window, const SolveResult& result) {
  const auto inputs = ReadDisplayInputs(window);
  if (!inputs) return std::nullopt;

  const Decimal100 radians = DegreesToRadians(inputs->helixAngle);
  const Decimal100 sinHelix = sin(radians);
  const Decimal100 cosHelix = cos(radians);
  const Decimal100 piOverPn = Pi() / inputs->normalPitch;

  const ToothPair& indexNumerator = result.indexNumerator;
  const ToothPair& indexDenominator = result.indexDenominator;
  const Decimal100 indexRatio = (Teeth(indexNumerator.second) * Teeth(indexNumerator.first)) /
                                (Teeth(indexDenominator.second) * Teeth(indexDenominator.first));
  // The same bisection as the search, reading the same fields: the C shown
  // is the C the train was found for.
  const auto c = CFromIndexRatio(indexRatio, window);
  if (!c) return std::nullopt;

  ResultTexts texts;
  texts.indexCells = TrainCells(indexNumerator, indexDenominator);
  texts.feedCells = TrainCells(result.feedNumerator, result.feedDenominator);
  texts.cLine = CLineText(*c, *inputs, indexNumerator, indexDenominator);
  // C comes from the shown index train itself, so that train has no error.
  texts.indexErrorLine = "Index Error: None";

  // Tooth counts are at most 169, so each product fits a 32-bit integer.
  const std::int32_t feedUp =
      std::int32_t{result.feedNumerator.first} * result.feedNumerator.second;
  const std::int32_t feedDown =
      std::int32_t{result.feedDenominator.first} * result.feedDenominator.second;
  const Decimal100 feedRatio = Decimal100(feedUp) / Decimal100(feedDown);
  const Decimal100 feedError = feedRatio - FeedRatio(*c, inputs->feedConstant, sinHelix, piOverPn);
  texts.feedErrorLine = "Feed Error: " + FixedText(feedError, 12);

  const Decimal100 actualFeed = piOverPn / (*c * sinHelix);
  texts.actualFeedText = ActualFeedText(actualFeed, actualFeed / cosHelix);

  const Decimal100 teeth(inputs->teeth);
  const Decimal100 lead = *c * feedRatio * inputs->feedConstant * teeth;
  // The lead that C and the gear's geometry ask for.
  const Decimal100 wantedLead = ((piOverPn / (*c * sinHelix)) * *c) * teeth;
  texts.leadLine =
      "Lead: " + FixedText(lead, 10) + " (Error: " + FixedText(lead - wantedLead, 10) + ")";
  return texts;
}

void ShowResult(ControlAccess& window, const std::vector<SolveResult>& results, std::size_t i) {
  if (window.MenuBarItemCount() > 0) EnableMenuBar(window, false);

  if (i < results.size()) {
    if (const auto texts = EvaluateResult(window, results[i])) {
      for (std::size_t cell = 0; cell < 4; ++cell)
        window.SetText(kIndexCells[cell], texts->indexCells[cell]);
      for (std::size_t cell = 0; cell < 4; ++cell)
        window.SetText(kFeedCells[cell], texts->feedCells[cell]);
      window.SetText(IDC_C_LINE, texts->cLine);
      window.SetText(IDC_INDEX_ERROR_LINE, texts->indexErrorLine);
      window.SetText(IDC_FEED_ERROR_LINE, texts->feedErrorLine);
      window.SetText(IDC_ACTUAL_FEED_TEXT, texts->actualFeedText);
      window.SetText(IDC_LEAD_LINE, texts->leadLine);
    }
  }

  for (const ControlId id : kEnabledWithResult) window.Enable(id, true);
  for (const ControlId id : kShownWithResult) window.Show(id, true);
  window.EnableMenuCommand(IDM_PRINT, true);
  EnableMenuBar(window, true);
  // The two fraction bars between the rows of the trains.
  window.Invalidate(83, 435, 155, 437);
  window.Invalidate(364, 435, 436, 437);
}

}  // namespace corvanta
