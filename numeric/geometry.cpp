#include "numeric/geometry.h"

#include <locale>
#include <sstream>

#include "numeric/field_number.h"
#include "numeric/number_types.h"
#include "resources/resource.h"

namespace corvanta {

namespace {

// The main page's own pi: the double literal, not the 100-digit constant.
constexpr double kPi = 3.141592653589793;

// Created on first use and kept: fixed notation with 4 decimals stays set
// from one line to the next; only the text and the state are reset.
std::ostringstream& GeometryStream() {
  static std::ostringstream stream = [] {
    std::ostringstream s;
    s.imbue(std::locale::classic());
    s.setf(std::ios::fixed, std::ios::floatfield);
    s.precision(4);
    return s;
  }();
  return stream;
}

std::string TakeLine(std::ostringstream& stream) {
  std::string line = stream.str();
  stream.str("");
  stream.clear();
  return line;
}

}  // namespace

double GeometryCosine(double radians) {
  // Binary100 arithmetic is the same code in both builds, and with some 330
  // bits the one rounding to double is never in doubt.
  return cos(Binary100(radians)).convert_to<double>();
}

GeometryLines ComputeGeometryLines(int teeth, std::string_view pitchText,
                                   std::string_view helixText) {
  const double n = teeth;
  const double pitch = FieldDouble(pitchText);
  const double helix = FieldDouble(helixText);
  // Written so that a NaN fails the test.
  if (!(teeth >= 1 && pitch >= 0.35 && helix >= 0.0 && helix <= 89.9)) return {};

  const double cosHelix = GeometryCosine(helix * kPi / 180.0);
  std::ostringstream& stream = GeometryStream();
  GeometryLines lines;
  stream << "Transverse Pitch Dia.: " << n / (cosHelix * pitch);
  lines.pitchDiameter = TakeLine(stream);
  stream << "Outside Dia.: " << n / (cosHelix * pitch) + 2.0 / pitch;
  lines.outsideDiameter = TakeLine(stream);
  return lines;
}

void UpdateGeometry(ControlAccess& controls) {
  const std::string helixText = controls.GetText(IDC_HELIX_ANGLE, kGeometryFieldChars + 1);
  const std::string pitchText =
      controls.GetText(IDC_NORMAL_DIAMETRAL_PITCH, kGeometryFieldChars + 1);
  const int row = controls.GetSelection(IDC_NUMBER_OF_TEETH);
  const std::string teethText =
      row < 0 ? std::string() : controls.GetItemText(IDC_NUMBER_OF_TEETH, row);

  const GeometryLines lines = ComputeGeometryLines(FieldInteger(teethText), pitchText, helixText);
  controls.SetText(IDC_PITCH_DIAMETER_LINE, lines.pitchDiameter);
  controls.SetText(IDC_OUTSIDE_DIAMETER_LINE, lines.outsideDiameter);
}

}  // namespace corvanta
