#include "numeric/geometry.h"

#include <locale>
#include <sstream>

#include "numeric/field_number.h"
#include "numeric/number_types.h"

namespace corvanta {

namespace {

// The main page's own pi: the double literal, not the 100-digit constant.
constexpr double kPi = 3.141592653589793;

// Fixed notation with 4 decimals, whatever the program's locale.
std::ostringstream LineStream() {
  std::ostringstream stream;
  stream.imbue(std::locale::classic());
  stream.setf(std::ios::fixed, std::ios::floatfield);
  stream.precision(4);
  return stream;
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
  std::ostringstream pitchLine = LineStream(), outsideLine = LineStream();
  pitchLine << "Transverse Pitch Dia.: " << n / (cosHelix * pitch);
  outsideLine << "Outside Dia.: " << n / (cosHelix * pitch) + 2.0 / pitch;
  return {pitchLine.str(), outsideLine.str()};
}

}  // namespace corvanta
