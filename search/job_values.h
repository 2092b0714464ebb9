// The job as the candidate search sees it, read once from the main page.
#ifndef CORVANTA_SEARCH_JOB_VALUES_H
#define CORVANTA_SEARCH_JOB_VALUES_H

#include <cstddef>
#include <optional>
#include <string>

#include "app/control_access.h"
#include "numeric/number_types.h"

namespace corvanta {

// The terms of the index equation: the index train's ratio for a C constant
// is Ki x T x C / (C x N + s).
struct IndexTerms {
  Decimal100 indexConstant;  // Ki
  int hobThreads = 0;        // T
  int teeth = 0;             // N
  int sign = 1;              // s, +1 or -1 from the machine set-up row
};

// Ki x T x C divided by C x N + s, every integer widened to Decimal100 first.
Decimal100 IndexRatio(const Decimal100& c, const IndexTerms& terms);

// Ki (the whole field text), T, N and s as the controls hold them now;
// nullopt when a text is not a number or no tooth count is selected.
std::optional<IndexTerms> ReadIndexTerms(const ControlAccess& window);

// How far the feed may stray from the wanted feed rate, by the length of the
// feed-rate text: the more digits the operator typed, the tighter the window.
// nullopt for texts of 0 or 1 characters, which get no window at all.
std::optional<double> FeedAllowance(std::size_t feedRateTextLength);

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

// Reads the job once and derives the C window. The feed rate is read as a
// 10-character field (its length sets the allowance). nullopt when any text
// is not a number: the search is then refused. A value that makes the
// arithmetic infinite or NaN (a feed rate of 0) is not refused; it only
// leaves the window without trains.
std::optional<JobValues> ReadJobValues(const ControlAccess& window);

// A control's text without any cut, however long it is.
std::string ReadWholeText(const ControlAccess& window, ControlId id);

}  // namespace corvanta

#endif
