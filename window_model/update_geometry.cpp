#include "window_model/update_geometry.h"

#include <cstddef>
#include <string>

#include "numeric/field_number.h"
#include "numeric/geometry.h"
#include "resources/resource.h"

namespace corvanta {

namespace {

// A read into a buffer of 60.
constexpr std::size_t kGeometryFieldReadSize = 60;

}  // namespace

void UpdateGeometry(ControlAccess& controls) {
  const std::string helixText = controls.GetText(IDC_HELIX_ANGLE, kGeometryFieldReadSize);
  const std::string pitchText =
      controls.GetText(IDC_NORMAL_DIAMETRAL_PITCH, kGeometryFieldReadSize);
  const int row = controls.GetSelection(IDC_NUMBER_OF_TEETH);
  const std::string teethText =
      row < 0 ? std::string() : controls.GetItemText(IDC_NUMBER_OF_TEETH, row);

  const GeometryLines lines = ComputeGeometryLines(FieldInteger(teethText), pitchText, helixText);
  controls.SetText(IDC_PITCH_DIAMETER_LINE, lines.pitchDiameter);
  controls.SetText(IDC_OUTSIDE_DIAMETER_LINE, lines.outsideDiameter);
}

}  // namespace corvanta
