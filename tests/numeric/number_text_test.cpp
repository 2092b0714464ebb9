// Numbers as text (the geometry lines of the main page among them), and the
// whole-number test of the results.
#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>
#include <string>

#include "app/memory_controls.h"
#include "numeric/geometry.h"
#include "numeric/whole_number.h"
#include "resources/resource.h"

namespace corvanta {
namespace {

struct GroupingComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

// All under a global locale that groups digits and writes a decimal comma.
TEST(FixedText, RoundsTiesToEvenInBothBuildsIgnoresTheLocaleAndNeverThrows) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new GroupingComma));
  const struct {
    std::string text, expected;
  } cases[] = {
      {FixedText(Decimal100("0.125"), 2), "0.12"},
      {FixedText(Decimal100("9.99999"), 2), "10.00"},
      {FixedText(Decimal100("-1e-200"), 5), "-0.00000"},
      {FixedText(Decimal100("-inf"), 4), "-inf"},
      {FixedText(Binary100("0.135"), 2), "0.13"},  // held a little below the tie
      // A negative precision would make the library throw std::length_error.
      {FixedText(Binary100("2.5"), -3), FixedText(Binary100("2.5"), 0)},
      {FixedText(Decimal100("1e1000"), 2), "1" + std::string(1000, '0') + ".00"},
      {FixedText(0.03125, 4), "0.0312"},
      {FixedText(1234567.5, 2), "1234567.50"},
      // 0.0 / 0.0 sets the sign bit: glibc would write "-nan".
      {FixedText(-std::numeric_limits<double>::quiet_NaN(), 4), "nan"},
  };
  std::locale::global(previous);
  for (const auto& c : cases) EXPECT_EQ(c.text, c.expected);
}

TEST(IsWholeNumber, WholeOnlyInTheHalfOpenBandAboveTheFloor) {
  const Decimal100 five(5), tiny96("1e-96");
  const struct {
    Decimal100 x;
    bool whole;
  } cases[] = {
      {five + tiny96, true},
      {five + Decimal100("1e-94"), false},
      {five - Decimal100("1e-99"), false},  // the floor is 4
      {-five - tiny96, false},
      // The width is the double nearest 1e-95, 9.99999999999999989e-96: the
      // decimal 1e-95 and the edge itself lie outside.
      {Decimal100("9.9999999999999998e-96"), true},
      {Decimal100("9.9999999999999999e-96"), false},
      {Decimal100("1e-95"), false},
      {five + Decimal100(1e-95), false},
      {std::numeric_limits<Decimal100>::quiet_NaN(), false},
      {std::numeric_limits<Decimal100>::infinity(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWholeNumber(c.x), c.whole) << c.x;
}

TEST(ComputeGeometryLines, DiametersWithFourRoundedDecimals) {
  const struct {
    int teeth;
    const char *pitch, *helix, *diameter, *outside;  // "" for blank lines
  } cases[] = {
      {35, "8", "22.5", "4.7355", "4.9855"},          // 4.73546...: rounded, not cut
      {1, "0.35", "89.9", "1637.0231", "1642.7374"},  // every limit at once
      {20, "10", "", "2.0000", "2.2000"},             // no helix angle is 0 degrees
      {20, "400", "0", "0.0500", "0.0550"},           // above the fields' 360 limit
      {500, "12.5abc", "45", "56.5685", "56.7285"},   // strtod takes the numeric prefix
      // Exact ties at the fifth decimal round to even in both builds (the
      // old msvcrt printf would give 0.0313).
      {1, "32", "0", "0.0312", "0.0938"},
      {0, "10", "30", "", ""},
      {20, "0.34", "30", "", ""},
      {20, "10", "90", "", ""},
      {20, "10", "-0.5", "", ""},
      {20, "nan", "30", "", ""},
  };
  for (const auto& c : cases) {
    const GeometryLines lines = ComputeGeometryLines(c.teeth, c.pitch, c.helix);
    const std::string shown =
        std::string("Transverse Pitch Dia.: ") + c.diameter + " | Outside Dia.: " + c.outside;
    EXPECT_EQ(lines.pitchDiameter + " | " + lines.outsideDiameter, *c.diameter ? shown : " | ")
        << c.teeth << " / " << c.pitch << " / " << c.helix;
  }
}

// Helix angles whose libm cosine is one unit in the last place off: with
// MinGW-w64 at 0.0697, with glibc at 6.1152, with both at 3.7091. Expected:
// the correctly rounded cosines, checked with 100-digit arithmetic.
TEST(GeometryCosine, IsCorrectlyRoundedWhereTheLibmsErr) {
  const double cases[][2] = {{0.0697, 0x1.ffffe72c0e329p-1},
                             {6.1152, 0x1.fd1629d4c18d1p-1},
                             {3.7091, 0x1.feed736c014c5p-1}};
  for (const auto& c : cases) EXPECT_EQ(GeometryCosine(c[0] * 3.141592653589793 / 180.0), c[1]);
}

TEST(UpdateGeometry, ReadsTheSelectedItemAndFiftyNineCharactersOfEachField) {
  MemoryControls controls;
  for (int n = 1; n <= 500; ++n) controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(n));
  const auto update = [&](int row, const std::string& pitch, const std::string& helix) {
    controls.Select(IDC_NUMBER_OF_TEETH, row);
    controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, pitch);
    controls.SetText(IDC_HELIX_ANGLE, helix);
    UpdateGeometry(controls);
    return controls.GetText(IDC_PITCH_DIAMETER_LINE, 100) + " | " +
           controls.GetText(IDC_OUTSIDE_DIAMETER_LINE, 100);
  };
  // Called again and again, the shared stream never carries text over.
  EXPECT_EQ(update(19, "10", "30"), "Transverse Pitch Dia.: 2.3094 | Outside Dia.: 2.5094");
  EXPECT_EQ(update(-1, "10", "30"), " | ");
  // A 60th character is not read: pitch 1 and 6 degrees, not 10 and 60.
  EXPECT_EQ(update(19, std::string(58, '0') + "10", "0"),
            "Transverse Pitch Dia.: 20.0000 | Outside Dia.: 22.0000");
  EXPECT_EQ(update(19, "10", std::string(58, '0') + "60"),
            "Transverse Pitch Dia.: 2.0110 | Outside Dia.: 2.2110");
}

}  // namespace
}  // namespace corvanta
