#include "search/job_values.h"

#include <charconv>

#include "numeric/constants.h"
#include "numeric/decimal_text.h"
#include "numeric/feed_constant.h"

namespace corvanta {

namespace {

// Tooth counts and hob threads are plain decimal integers ("%d" items, and
// the spinner's own text); anything else refuses the search.
std::optional<int> ParseWholeNumber(std::string_view text) {
  if (text.empty()) return std::nullopt;
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, 10);
  if (error != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace

Decimal100 IndexRatio(const Decimal100& c, const IndexTerms& terms) {
  return terms.indexConstant * Decimal100(terms.hobThreads) * c /
         (c * Decimal100(terms.teeth) + Decimal100(terms.sign));
}

std::optional<IndexTerms> ParseIndexTerms(std::string_view indexConstant,
                                          std::string_view hobThreads, std::string_view teeth,
                                          int sign) {
  const auto ki = ParseDecimal100(indexConstant);
  const auto t = ParseWholeNumber(hobThreads);
  const auto n = ParseWholeNumber(teeth);
  if (!ki || !t || !n) return std::nullopt;
  IndexTerms terms;
  terms.indexConstant = *ki;
  terms.hobThreads = *t;
  terms.teeth = *n;
  terms.sign = sign;
  return terms;
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

JobValues MakeJobValues(const IndexTerms& index, const JobFields& fields) {
  JobValues job;
  job.index = index;
  job.feedConstant = EffectiveFeedConstant(fields.feedConstant);
  job.feedRate = fields.feedRate;
  job.feedRateTextLength = fields.feedRateTextLength;
  job.helixAngle = fields.helixAngle;
  job.normalPitch = fields.normalPitch;
  job.wholeC = fields.wholeC;

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
