// The table of the job's fields against itself: each range's text says the
// range the validation tests, and the texts every field must take fit it,
// typed, saved and printed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "numeric/field_number.h"
#include "settings/job_fields.h"

namespace corvanta {
namespace {

// Digits and at most one point: what the fields let through.
bool Typeable(const std::string& text) {
  return !text.empty() && std::count(text.begin(), text.end(), '.') <= 1 &&
         text.find_first_not_of("0123456789.") == std::string::npos;
}

// The refusals show `accepted` for the range the validation tests: both
// ends must read as those bounds, and be texts the field can be typed with.
TEST(JobFields, EachRangeTextNamesTheRangeTestedAndCanBeTyped) {
  for (const JobField& field : kJobFields) {
    SCOPED_TRACE(field.label);
    const std::string accepted = field.accepted;
    const std::size_t to = accepted.find(" to ");
    ASSERT_NE(to, std::string::npos);
    const std::string low = accepted.substr(0, to), high = accepted.substr(to + 4);
    EXPECT_EQ(FieldDouble(low), field.low);
    EXPECT_EQ(FieldDouble(high), field.high);
    for (const std::string& end : {low, high}) {
      EXPECT_TRUE(Typeable(end)) << end;
      EXPECT_LE(end.size(), field.typedLength) << end;
    }
    EXPECT_LT(field.low, field.high);
  }
}

// What a field holds is saved whole (a save must not cut what was typed)
// and printed whole on the sheet; a saved field has its key.
TEST(JobFields, SavedAndPrintedTextsKeepAllThatTheFieldHolds) {
  for (const JobField& field : kJobFields) {
    SCOPED_TRACE(field.label);
    EXPECT_EQ(field.settingsKey == nullptr, field.setting == nullptr);
    if (field.setting) {
      EXPECT_GE(field.savedLength, field.typedLength);
    }
    if (field.sheetLength > 0) {
      EXPECT_GE(field.sheetLength, LongestText(field));
    }
  }
}

}  // namespace
}  // namespace corvanta
