#include "window_model/field_controls.h"

#include <iterator>

#include "resources/resource.h"

namespace corvanta {
namespace {

struct FieldAndControl {
  JobFieldId field;
  ControlId control;
};

constexpr FieldAndControl kFieldControls[] = {
    {JobFieldId::kIndexConstant, IDC_INDEX_CONST},
    {JobFieldId::kFeedConstant, IDC_FEED_CONST},
    {JobFieldId::kFeedRate, IDC_FEED_RATE},
    {JobFieldId::kHelixAngle, IDC_HELIX_ANGLE},
    {JobFieldId::kNormalPitch, IDC_NORMAL_DIAMETRAL_PITCH},
};
static_assert(std::size(kFieldControls) == std::size(kJobFields), "a control for every field");

}  // namespace

ControlId FieldControl(JobFieldId field) {
  for (const FieldAndControl& pair : kFieldControls)
    if (pair.field == field) return pair.control;
  return 0;  // every field has its row above
}

const JobField* FieldInControl(ControlId id) {
  for (const FieldAndControl& pair : kFieldControls)
    if (pair.control == id) return &JobFieldOf(pair.field);
  return nullptr;
}

}  // namespace corvanta
