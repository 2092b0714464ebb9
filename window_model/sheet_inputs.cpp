#include "window_model/sheet_inputs.h"

#include <cstddef>
#include <optional>
#include <string>

#include "numeric/field_number.h"
#include "resources/resource.h"
#include "settings/job_fields.h"
#include "window_model/field_controls.h"
#include "window_model/read_job.h"
#include "window_model/result_display.h"

namespace corvanta {

namespace {

// A read of n characters (a buffer of n + 1).
std::string Read(const ControlAccess& controls, ControlId id, std::size_t characters) {
  return controls.GetText(id, characters + 1);
}

// A field's text as the sheet shows it typed.
std::string Shown(const ControlAccess& controls, JobFieldId field) {
  return Read(controls, FieldControl(field), JobFieldOf(field).sheetLength);
}

}  // namespace

SheetInputs ReadSheetInputs(const ControlAccess& controls) {
  SheetInputs in;
  in.indexConstShown = Shown(controls, JobFieldId::kIndexConstant);
  in.indexConst = Read(controls, IDC_INDEX_CONST, 59);
  in.feedConstShown = Shown(controls, JobFieldId::kFeedConstant);
  in.feedConst = Read(controls, IDC_FEED_CONST, 59);
  in.helixShown = Shown(controls, JobFieldId::kHelixAngle);
  in.helix = Read(controls, IDC_HELIX_ANGLE, 59);
  in.pitchShown = Shown(controls, JobFieldId::kNormalPitch);
  in.pitch = Read(controls, IDC_NORMAL_DIAMETRAL_PITCH, 59);
  in.pitchForSheet = Read(controls, IDC_NORMAL_DIAMETRAL_PITCH, 44);
  const int teethRow = controls.GetSelection(IDC_NUMBER_OF_TEETH);
  in.teeth = teethRow == kNoSelection
                 ? 0
                 : FieldInteger(controls.GetItemText(IDC_NUMBER_OF_TEETH, teethRow));
  in.hobThreads = Read(controls, IDC_HOB_THREADS, LongestText(kHobThreadsField));
  in.setupRow = controls.GetSelection(IDC_HAND_CUT_CHOOSER);
  in.pitchDiameterLine = Read(controls, IDC_PITCH_DIAMETER_LINE, 40);
  in.outsideDiameterLine = Read(controls, IDC_OUTSIDE_DIAMETER_LINE, 40);
  // Whole, as the screen shows it: its length grows with the lead's digits,
  // and leads of 100 inches and more are ordinary (small helix angles).
  in.leadLine = ReadWholeText(controls, IDC_LEAD_LINE);
  // Longer than the display ever writes, so the line is split by content.
  in.actualFeedText = Read(controls, IDC_ACTUAL_FEED_TEXT, 127);
  return in;
}

SheetInputs ReadDetachedSheetInputs(const ControlAccess& controls, const SolveResult& result,
                                    SearchMethod method) {
  SheetInputs inputs = ReadSheetInputs(controls);
  if (inputs.leadLine.empty() && inputs.actualFeedText.empty()) {
    if (const std::optional<ResultTexts> texts = EvaluateShownResult(controls, result, method)) {
      inputs.leadLine = texts->leadLine;
      inputs.actualFeedText = texts->actualFeedText;
    }
  }
  return inputs;
}

}  // namespace corvanta
