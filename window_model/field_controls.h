// The controls that hold the job's typed fields (settings/job_fields.h).
#ifndef CORVANTA_WINDOW_MODEL_FIELD_CONTROLS_H
#define CORVANTA_WINDOW_MODEL_FIELD_CONTROLS_H

#include "settings/job_fields.h"
#include "window_model/control_access.h"

namespace corvanta {

// The edit control of `field`.
ControlId FieldControl(JobFieldId field);

// The field that control `id` holds; nullptr for a control that holds none.
const JobField* FieldInControl(ControlId id);

}  // namespace corvanta

#endif
