#include "search/job_values.h"

#include <charconv>

#include "numeric/constants.h"
#include "numeric/decimal_text.h"
#include "resources/resource.h"
#include "results/machine_setup.h"

namespace corvanta {

namespace {

// The feed rate is typed into a field of at most 10 characters; a read of
// 11 gives those and no more, even from a longer text set by other means.
constexpr std::size_t kFeedRateReadSize = 11;

// Tooth counts and hob threads are plain decimal integers ("%d" items, and
// the spinner's own text); anything else refuses the search.
std::optional<int> ParseWholeNumber(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

std::string ReadWholeText(const ControlAccess& window, ControlId id) {
  for (std::size_t size = 64;; size *= 2) {
    std::string text = window.GetText(id, size);
    if (text.size() + 1 < size) return text;
  }
}

Decimal100 IndexRatio(const Decimal100& c, const IndexTerms& terms) {
  return terms.indexConstant * Decimal100(terms.hobThreads) * c /
         (c * Decimal100(terms.teeth) + Decimal100(terms.sign));
}

std::optional<IndexTerms> ReadIndexTerms(const ControlAccess& window) {
  const auto indexConstant = ParseDecimal100(ReadWholeText(window, IDC_INDEX_CONST));
  const auto hobThreads = ParseWholeNumber(ReadWholeText(window, IDC_HOB_THREADS));
  const int teethRow = window.GetSelection(IDC_NUMBER_OF_TEETH);
  if (!indexConstant || !hobThreads || teethRow == kNoSelection) return std::nullopt;
  const auto teeth = ParseWholeNumber(window.GetItemText(IDC_NUMBER_OF_TEETH, teethRow));
  if (!teeth) return std::nullopt;
  return IndexTerms{*indexConstant, *hobThreads, *teeth,
                    SetupSign(window.GetSelection(IDC_HAND_CUT_CHOOSER))};
}

std::optional<double> FeedAllowance(std::size_t feedRateTextLength) {
  switch (feedRateTextLength) {
    case 0:
    case 1: return std::nullopt;
    case 2:
    case 3: return 0.01;
    case 4: return 0.005;
    case 5: return 0.0025;
    case 6: return 0.0015;
    case 7: return 0.00075;
    case 8: return 0.0003;
    default: return 0.0001;  // 9 or 10, the most the field holds
  }
}

std::optional<JobValues> ReadJobValues(const ControlAccess& window) {
  const auto index = ReadIndexTerms(window);
  auto feedConstant = ParseDecimal100(ReadWholeText(window, IDC_FEED_CONST));
  const std::string feedRateText = window.GetText(IDC_FEED_RATE, kFeedRateReadSize);
  const auto feedRate = ParseDecimal100(feedRateText);
  const auto helixAngle = ParseDecimal100(ReadWholeText(window, IDC_HELIX_ANGLE));
  const auto normalPitch = ParseDecimal100(ReadWholeText(window, IDC_NORMAL_DIAMETRAL_PITCH));
  if (!index || !feedConstant || !feedRate || !helixAngle || !normalPitch) return std::nullopt;

  JobValues job;
  job.index = *index;
  // Feed constants above 3 are entered as their reciprocal on these machines.
  if (*feedConstant > Decimal100(3.0)) *feedConstant = Decimal100(1.0) / *feedConstant;
  job.feedConstant = *feedConstant;
  job.feedRate = *feedRate;
  job.feedRateTextLength = feedRateText.size();
  job.helixAngle = *helixAngle;
  job.normalPitch = *normalPitch;
  job.wholeC = window.IsChecked(IDC_WHOLE_C_ONLY);

  job.radians = DegreesToRadians(job.helixAngle);
  job.sinHelix = sin(job.radians);
  job.piOverPn = Pi() / job.normalPitch;
  job.cTarget = job.piOverPn / (job.feedRate * job.sinHelix);
  job.cMin = job.cMax = job.cTarget;
  if (const auto allowance = FeedAllowance(job.feedRateTextLength)) {
    // The allowance is a double and enters with all of its binary digits.
    const Decimal100 t(*allowance);
    job.cMin = job.piOverPn / (job.feedRate + t) / job.sinHelix;
    if (job.feedRate > t) job.cMax = job.piOverPn / (job.feedRate - t) / job.sinHelix;
  }
  return job;
}

}  // namespace corvanta
