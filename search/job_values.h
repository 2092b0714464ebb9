// The job as the candidate search sees it.
#ifndef CORVANTA_SEARCH_JOB_VALUES_H
#define CORVANTA_SEARCH_JOB_VALUES_H

#include <cstddef>
#include <optional>
#include <string_view>

#include "numeric/number_types.h"

namespace corvanta {

// The terms of the index equation: the index train's ratio for a C constant
// is Ki x T x C / (C x N + s).
struct IndexTerms {
  Decimal100 indexConstant;  // Ki
  int hobThreads = 0;        // T
  int teeth = 0;             // N
  int sign = 1;              // s, +1 or -1 from the machine set-up
};

// Ki x T x C divided by C x N + s, every integer widened to Decimal100 first.
Decimal100 IndexRatio(const Decimal100& c, const IndexTerms& terms);

// Ki, T and N from the texts of "Index Const:", "Hob Threads:" and the
// chosen "Number of Teeth:" item, and s; nullopt when a text is not a
// number (T and N must be plain decimal integers).
std::optional<IndexTerms> ParseIndexTerms(std::string_view indexConstant,
                                          std::string_view hobThreads, std::string_view teeth,
                                          int sign);

// How far the feed may stray from the wanted feed rate, by the length of the
// feed-rate text: the more digits the operator typed, the tighter the window.
// nullopt for texts of 0 or 1 characters, which get no window at all.
std::optional<double> FeedAllowance(std::size_t feedRateTextLength);

// The rest of the job's numbers as the fields hold them.
struct JobFields {
  Decimal100 feedConstant;  // Kf as typed
  Decimal100 feedRate;      // FR
  std::size_t feedRateTextLength = 0;
  Decimal100 helixAngle;   // degrees
  Decimal100 normalPitch;  // Pn
  bool wholeC = false;
};

struct JobValues {
  IndexTerms index;
  Decimal100 feedConstant;  // Kf, already 1 / Kf when the field held more than 3
  Decimal100 feedRate;      // FR
  std::size_t feedRateTextLength = 0;
  Decimal100 helixAngle;   // degrees
  Decimal100 normalPitch;  // Pn
  bool wholeC = false;

  Decimal100 radians;
  Decimal100 sinHelix;
  Decimal100 piOverPn;
  Decimal100 cTarget;  // the C of the wanted feed rate
  Decimal100 cMin;     // the C of the feed rate plus the allowance
  Decimal100 cMax;     // minus the allowance; cTarget when that is not positive
};

// The job with its C window. A value that makes the arithmetic infinite or
// NaN (a feed rate of 0) is not refused; it only leaves the window without
// trains.
JobValues MakeJobValues(const IndexTerms& index, const JobFields& fields);

}  // namespace corvanta

#endif
