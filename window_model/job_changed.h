// What every change of the job sets off, whichever control it came through:
// a field's text, a gear-stock cell, the hob threads, the tooth count, the
// set-up row or the whole-C box.
#ifndef CORVANTA_WINDOW_MODEL_JOB_CHANGED_H
#define CORVANTA_WINDOW_MODEL_JOB_CHANGED_H

#include "window_model/control_access.h"

namespace corvanta {

// Which changes the geometry lines follow: the helix angle, the normal
// diametral pitch and the tooth count.
enum class GeometryChange { kNone, kGeometry };

// The settling of a changed job: the geometry lines are computed again
// where `change` says so (UpdateGeometry), then the job is validated again,
// which decides "&Solve" (ValidateInputs). A typed key settles its field
// this way once it is released, having dropped the result as it was typed.
void JobSettled(ControlAccess& controls, GeometryChange change);

// The result on display goes (ClearResults), then the job settles
// (JobSettled).
void JobChanged(ControlAccess& controls, GeometryChange change);

}  // namespace corvanta

#endif
