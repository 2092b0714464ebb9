// The two geometry lines of the main page: transverse pitch diameter and
// outside diameter of the helical gear, in doubles, 4 decimals.
#ifndef CORVANTA_NUMERIC_GEOMETRY_H
#define CORVANTA_NUMERIC_GEOMETRY_H

#include <string>
#include <string_view>

namespace corvanta {

struct GeometryLines {
  std::string pitchDiameter;    // "Transverse Pitch Dia.: 2.0000", or ""
  std::string outsideDiameter;  // "Outside Dia.: 2.2000", or ""
};

// cos(radians) rounded once to the nearest double. The libm cosines of glibc
// and MinGW-w64 are each one unit in the last place off for some angles, and
// not for the same ones (they differ for about one helix angle in 800); the
// lines must read the same in both builds.
double GeometryCosine(double radians);

// The lines for N teeth and the two field texts (read with FieldDouble).
// Both are empty unless N >= 1, Pn >= 0.35 and 0 <= helix <= 89.9; this is
// looser than the field validation, so a helix of 0 (spur gear) or a pitch
// above 360 still shows.
GeometryLines ComputeGeometryLines(int teeth, std::string_view pitchText,
                                   std::string_view helixText);

}  // namespace corvanta

#endif
