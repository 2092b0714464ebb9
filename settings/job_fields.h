// The fields of the job, one row each: what the window's creation and
// validation, the settings file, the printed sheet and corvanta-solve know
// about a field is written here once and read from here. Which control holds
// a field is the window's to say (window_model/field_controls.h).
#ifndef CORVANTA_SETTINGS_JOB_FIELDS_H
#define CORVANTA_SETTINGS_JOB_FIELDS_H

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>

#include "settings/app_settings.h"

namespace corvanta {

// The five typed fields, in the order of kJobFields.
enum class JobFieldId { kIndexConstant, kFeedConstant, kFeedRate, kHelixAngle, kNormalPitch };

// A field that is typed: digits and at most one point.
struct JobField {
  JobFieldId id;
  const char* label;   // as shown beside the field, in refusals and in --help
  const char* option;  // corvanta-solve's option that gives the text
  const char* unit;    // named in the option's help, "" for none
  // The most characters typing gives (the edit's text limit). A text the
  // field is given otherwise, such as the saved setting at the start, is
  // not cut to it.
  std::size_t typedLength;
  // The values "&Solve" accepts, both ends included, and that range as the
  // operator reads it.
  double low, high;
  const char* accepted;
  // Where the field is saved: the settings file's key and the value read
  // from it, each nullptr for a field that is not saved. A saved text keeps
  // at most savedLength characters when the file is read and when the field
  // is saved.
  const char* settingsKey;
  std::string AppSettings::*setting;
  std::size_t savedLength;
  // Characters of the text that the printed set-up sheet shows as typed; 0
  // for a field the sheet does not show.
  std::size_t sheetLength;
};

// In the order the window makes them, the saved ones first; the settings
// file holds the saved ones in this order.
//
// The feed constant types up to 33 characters but is saved with up to 40:
// settings files hold feed constants of up to 40 characters, which the
// field shows, the Solve uses and a save keeps whole. Cutting them to 33
// would change a machine's constant on the next save.
inline constexpr JobField kJobFields[] = {
    {JobFieldId::kIndexConstant, "Index Const:", "--index-const", "", 6, 1.0, 120.0, "1 to 120",
     "Index Constant", &AppSettings::indexConstant, 6, 6},
    {JobFieldId::kFeedConstant, "Feed Const:", "--feed-const", "", 33, 0.0, 90.0, "0 to 90",
     "Feed Constant", &AppSettings::feedConstant, 40, 40},
    {JobFieldId::kFeedRate, "Feed Rate:", "--feed-rate", "", 10, 0.0, 0.1, "0 to 0.1", "Feed Rate",
     &AppSettings::feedRate, 10, 0},
    {JobFieldId::kHelixAngle, "Helix Angle:", "--helix", "degrees", 33, 1e-6, 89.9,
     "0.000001 to 89.9", nullptr, nullptr, 0, 40},
    {JobFieldId::kNormalPitch, "Normal Diametral Pitch:", "--ndp", "", 33, 0.35, 360.0,
     "0.35 to 360", nullptr, nullptr, 0, 40},
};

constexpr const JobField& JobFieldOf(JobFieldId id) {
  return kJobFields[static_cast<std::size_t>(id)];
}

constexpr bool JobFieldsInIdOrder() {
  for (std::size_t i = 0; i < std::size(kJobFields); ++i)
    if (static_cast<std::size_t>(kJobFields[i].id) != i) return false;
  return true;
}
static_assert(JobFieldsInIdOrder(), "JobFieldOf finds a row by its place");

// The most characters the field holds: typed, or its saved text at the
// start.
constexpr std::size_t LongestText(const JobField& field) {
  return std::max(field.typedLength, field.savedLength);
}

// A whole number of the job that is chosen, not typed: from a list, or with
// a spinner.
struct ChosenField {
  const char* label;   // as shown beside it
  const char* option;  // corvanta-solve's option that gives it
  int low, high;       // the values offered
};

// "Number of Teeth:" lists every tooth count from 1 to 500.
inline constexpr ChosenField kNumberOfTeethField = {"Number of Teeth:", "--teeth", 1, 500};
// "Hob Threads:" is set by its spinner, from 1 to 24.
inline constexpr ChosenField kHobThreadsField = {"Hob Threads:", "--hob-threads", 1, 24};

// The most characters the field's text has: the digits of its largest value.
constexpr std::size_t LongestText(const ChosenField& field) {
  std::size_t digits = 1;
  for (int rest = field.high; rest >= 10; rest /= 10) ++digits;
  return digits;
}

// The values offered as the operator reads them: "1 to 24".
inline std::string RangeText(const ChosenField& field) {
  return std::to_string(field.low) + " to " + std::to_string(field.high);
}

// The machine set-ups the job chooses from, rows 0 to kSetupRowCount - 1
// (each hob hand with each gear hand and each type of cut).
inline constexpr int kSetupRowCount = 8;

}  // namespace corvanta

#endif
