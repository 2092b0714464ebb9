#include "window_model/job_changed.h"

#include "window_model/clear_results.h"
#include "window_model/update_geometry.h"
#include "window_model/validate_inputs.h"

namespace corvanta {

void JobSettled(ControlAccess& controls, GeometryChange change) {
  if (change == GeometryChange::kGeometry) UpdateGeometry(controls);
  ValidateInputs(controls);
}

void JobChanged(ControlAccess& controls, GeometryChange change) {
  ClearResults(controls);
  JobSettled(controls, change);
}

}  // namespace corvanta
