// The two geometry lines of the main page, kept up to date with the fields.
#ifndef CORVANTA_WINDOW_MODEL_UPDATE_GEOMETRY_H
#define CORVANTA_WINDOW_MODEL_UPDATE_GEOMETRY_H

#include "window_model/control_access.h"

namespace corvanta {

// Reads "Helix Angle:" and "Normal Diametral Pitch:" (59 characters each)
// and the selected item of "Number of Teeth:" (none selected: N = 0), and
// writes both lines (numeric/geometry.h).
void UpdateGeometry(ControlAccess& controls);

}  // namespace corvanta

#endif
