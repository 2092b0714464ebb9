#include "window_model/read_job.h"

#include <cstddef>

#include "numeric/decimal_text.h"
#include "numeric/field_number.h"
#include "resources/resource.h"
#include "results/machine_setup.h"
#include "settings/job_fields.h"

namespace corvanta {

namespace {

// The feed rate is read as at most the 10 characters its field holds: those
// and no more, even from a longer text set by other means.
constexpr std::size_t kFeedRateReadSize = LongestText(JobFieldOf(JobFieldId::kFeedRate)) + 1;

// The display reads the fields into buffers of 60 characters, the hob
// threads into one just large enough for the largest count ("24").
constexpr std::size_t kDisplayFieldReadSize = 60;
constexpr std::size_t kHobThreadsReadSize = LongestText(kHobThreadsField) + 1;

}  // namespace

std::string ReadWholeText(const ControlAccess& controls, ControlId id) {
  for (std::size_t size = 64;; size *= 2) {
    std::string text = controls.GetText(id, size);
    if (text.size() + 1 < size) return text;
  }
}

std::optional<IndexTerms> ReadIndexTerms(const ControlAccess& controls) {
  const int teethRow = controls.GetSelection(IDC_NUMBER_OF_TEETH);
  if (teethRow == kNoSelection) return std::nullopt;
  return ParseIndexTerms(ReadWholeText(controls, IDC_INDEX_CONST),
                         ReadWholeText(controls, IDC_HOB_THREADS),
                         controls.GetItemText(IDC_NUMBER_OF_TEETH, teethRow),
                         SetupSign(controls.GetSelection(IDC_HAND_CUT_CHOOSER)));
}

std::optional<JobValues> ReadJobValues(const ControlAccess& controls) {
  const auto index = ReadIndexTerms(controls);
  const auto feedConstant = ParseDecimal100(ReadWholeText(controls, IDC_FEED_CONST));
  const std::string feedRateText = controls.GetText(IDC_FEED_RATE, kFeedRateReadSize);
  const auto feedRate = ParseDecimal100(feedRateText);
  const auto helixAngle = ParseDecimal100(ReadWholeText(controls, IDC_HELIX_ANGLE));
  const auto normalPitch = ParseDecimal100(ReadWholeText(controls, IDC_NORMAL_DIAMETRAL_PITCH));
  if (!index || !feedConstant || !feedRate || !helixAngle || !normalPitch) return std::nullopt;

  JobFields fields;
  fields.feedConstant = *feedConstant;
  fields.feedRate = *feedRate;
  fields.feedRateTextLength = feedRateText.size();
  fields.helixAngle = *helixAngle;
  fields.normalPitch = *normalPitch;
  fields.wholeC = controls.IsChecked(IDC_WHOLE_C_ONLY);
  return MakeJobValues(*index, fields);
}

StockGears ReadStockGears(const ControlAccess& controls) {
  StockGears gears;
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    if (MarksOwnedGear(controls.GetText(IDC_GEAR_STOCK_CELL_FIRST + k, kCellMarkReadSize)))
      gears.push_back(static_cast<std::uint32_t>(GEAR_STOCK_FIRST_TOOTH_COUNT + k));
  }
  return gears;
}

std::optional<DisplayInputs> ReadDisplayInputs(const ControlAccess& controls) {
  const auto read = [&controls](ControlId id) {
    return ParseDecimal100(controls.GetText(id, kDisplayFieldReadSize));
  };
  const auto indexConstant = read(IDC_INDEX_CONST);
  const auto feedConstant = read(IDC_FEED_CONST);
  const auto helixAngle = read(IDC_HELIX_ANGLE);
  const auto normalPitch = read(IDC_NORMAL_DIAMETRAL_PITCH);
  const int teethRow = controls.GetSelection(IDC_NUMBER_OF_TEETH);
  if (!indexConstant || !feedConstant || !helixAngle || !normalPitch || teethRow == kNoSelection)
    return std::nullopt;

  DisplayInputs inputs;
  inputs.indexConstant = *indexConstant;
  inputs.feedConstant = *feedConstant;
  inputs.helixAngle = *helixAngle;
  inputs.normalPitch = *normalPitch;
  inputs.teeth = FieldInteger(controls.GetItemText(IDC_NUMBER_OF_TEETH, teethRow));
  inputs.hobThreads = FieldInteger(controls.GetText(IDC_HOB_THREADS, kHobThreadsReadSize));
  inputs.sign = SetupSign(controls.GetSelection(IDC_HAND_CUT_CHOOSER));
  return inputs;
}

}  // namespace corvanta
