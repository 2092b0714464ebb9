// A job put into in-memory controls, for the command-line solver and the
// tests: the window without a window.
#ifndef CORVANTA_WINDOW_MODEL_MEMORY_JOB_H
#define CORVANTA_WINDOW_MODEL_MEMORY_JOB_H

#include <string>

#include "settings/app_settings.h"
#include "settings/job_fields.h"
#include "window_model/memory_controls.h"

namespace corvanta {

// A job as the operator enters it.
struct JobEntry {
  AppSettings settings;  // "Index Const:", "Feed Const:", "Feed Rate:" and the gear stock
  std::string helixAngle;
  std::string normalPitch;
  int teeth = 0;  // one of kNumberOfTeethField's counts; anything else: none chosen
  std::string hobThreads = "1";
  int setupRow = 0;  // the row chosen in the HandCutChooser
  bool wholeC = false;
};

// The text of the typed field `field` in `job`: its saved setting, or the
// job's own text for a field that is not saved.
std::string& FieldText(JobEntry& job, const JobField& field);
const std::string& FieldText(const JobEntry& job, const JobField& field);

// Puts `job` into controls made fresh for it, as the window's creation and
// the operator would: the field texts, the two lists with the window's items
// and their selections, the hob threads, the whole-C box and the gear-stock
// cells (GearStockCellText), with "&Solve" disabled as at the window's start.
void EnterJob(MemoryControls& controls, const JobEntry& job);

}  // namespace corvanta

#endif
