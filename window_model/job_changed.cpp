#include "window_model/job_changed.h"

#include "window_model/clear_results.h"
#include "window_model/update_geometry.h"
#include "window_model/validate_inputs.h"

namespace corvanta {

void JobChanged(ControlAccess& controls, GeometryChange change) {
  ClearResults(controls);
  if (change == GeometryChange::kGeometry) UpdateGeometry(controls);
  ValidateInputs(controls);
}

}  // namespace corvanta
