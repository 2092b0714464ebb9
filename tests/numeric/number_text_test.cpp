// Numbers as text (the geometry lines of the main page among them), and the
// whole-number test of the results.
#include "numeric/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <locale>
#include <string>

#include "numeric/geometry.h"
#include "numeric/whole_number.h"

namespace corvanta {
namespace {

struct GroupingComma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

// All under a global locale that groups digits and writes a decimal comma.
TEST(FixedText, RoundsTiesToEvenInBothBuildsAndIgnoresTheLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new GroupingComma));
  const struct {
    std::string text, expected;
  } cases[] = {
      {FixedText(Decimal100("0.125"), 2), "0.12"},
      {FixedText(Decimal100("-1e-200"), 5), "-0.00000"},
      {FixedText(Binary100("0.135"), 2), "0.13"},  // held a little below the tie
      {FixedText(1234567.5, 2), "1234567.50"},
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
      // The width is the double nearest 1e-95, 9.99999999999999989e-96.
      {Decimal100("9.9999999999999998e-96"), true},
      {std::numeric_limits<Decimal100>::quiet_NaN(), false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsWholeNumber(c.x), c.whole) << c.x;
}

TEST(ComputeGeometryLines, DiametersWithFourRoundedDecimals) {
  const struct {
    int teeth;
    const char *pitch, *helix, *diameter, *outside;  // "" for blank lines
  } cases[] = {
      {35, "8", "22.5", "4.7355", "4.9855"},  // 4.73546...: rounded, not cut
      // Exact ties at the fifth decimal round to even in both builds (the
      // old msvcrt printf would give 0.0313).
      {1, "32", "0", "0.0312", "0.0938"},
      {0, "10", "30", "", ""},
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

}  // namespace
}  // namespace corvanta
