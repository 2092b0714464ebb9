// The job as the computing code reads it from the main page's controls,
// each value read afresh and with the read size its use has always had.
#ifndef CORVANTA_WINDOW_MODEL_READ_JOB_H
#define CORVANTA_WINDOW_MODEL_READ_JOB_H

#include <cstddef>
#include <optional>
#include <string>

#include "results/result_texts.h"
#include "search/job_values.h"
#include "search/pair_table.h"
#include "settings/gear_stock_text.h"
#include "window_model/control_access.h"

namespace corvanta {

// A control's text without any cut, however long it is.
std::string ReadWholeText(const ControlAccess& controls, ControlId id);

// Ki (the whole field text), T, N and s as the controls hold them now;
// nullopt when a text is not a number or no tooth count is selected.
std::optional<IndexTerms> ReadIndexTerms(const ControlAccess& controls);

// The job for the candidate search, read once. The feed rate is read as a
// 10-character field (its length sets the allowance), the other fields
// whole. nullopt when any text is not a number: the search is then refused.
std::optional<JobValues> ReadJobValues(const ControlAccess& controls);

// A read of a gear-stock cell's text that tells "1" from any longer text.
inline constexpr std::size_t kCellMarkReadSize = 3;

// The gears of the gear-stock cells that mark them owned (MarksOwnedGear),
// in ascending order.
StockGears ReadStockGears(const ControlAccess& controls);

// The display's inputs: the fields read into buffers of 60, the hob threads
// into one of 3. nullopt when a field text is not a number the 100-digit
// parser accepts or no tooth count is selected.
std::optional<DisplayInputs> ReadDisplayInputs(const ControlAccess& controls);

}  // namespace corvanta

#endif
