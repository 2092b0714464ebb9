#include "numeric/geometry.h"

#include <gtest/gtest.h>

#include <string>

#include "app/memory_controls.h"
#include "numeric/field_number.h"
#include "resources/resource.h"

namespace corvanta {
namespace {

struct GeometryCase {
  int teeth;
  const char* pitch;
  const char* helix;
  const char* diameter;  // "" for blank lines
  const char* outside;
};

std::string Line(const char* label, const char* number) {
  return *number == '\0' ? std::string() : label + std::string(number);
}

TEST(ComputeGeometryLines, DiametersWithFourRoundedDecimals) {
  const GeometryCase cases[] = {
      {20, "10", "0", "2.0000", "2.2000"},
      {20, "10", "30", "2.3094", "2.5094"},
      {35, "8", "22.5", "4.7355", "4.9855"},  // 4.73546...: rounded, not cut
      {1, "0.35", "89.9", "1637.0231", "1642.7374"},  // every limit at once
      {20, "10", "", "2.0000", "2.2000"},     // an empty helix angle is 0 degrees
      {20, "10", "abc", "2.0000", "2.2000"},  // and so is one that is no number
      {20, "400", "0", "0.0500", "0.0550"},   // above the fields' 360 limit
      {500, "12.5abc", "45", "56.5685", "56.7285"},  // strtod takes the numeric prefix
      // 1/32 and 3/32 are exact ties at the fifth decimal: both builds round
      // them to even (the old msvcrt printf would give 0.0313).
      {1, "32", "0", "0.0312", "0.0938"},
      {0, "10", "30", "", ""},
      {-3, "10", "30", "", ""},
      {20, "0.34", "30", "", ""},
      {20, "", "30", "", ""},
      {20, "10", "90", "", ""},
      {20, "10", "89.90001", "", ""},
      {20, "10", "-0.5", "", ""},
      {20, "nan", "30", "", ""},
      {20, "10", "nan", "", ""},
  };
  for (const GeometryCase& c : cases) {
    const GeometryLines lines = ComputeGeometryLines(c.teeth, c.pitch, c.helix);
    EXPECT_EQ(lines.pitchDiameter, Line("Transverse Pitch Dia.: ", c.diameter))
        << c.teeth << " / " << c.pitch << " / " << c.helix;
    EXPECT_EQ(lines.outsideDiameter, Line("Outside Dia.: ", c.outside))
        << c.teeth << " / " << c.pitch << " / " << c.helix;
  }
}

// Angles (degrees, as typed) whose libm cosine is one unit in the last place
// off: with MinGW-w64 at 0.0697, with glibc at 6.1152, with both at 3.7091.
// The expected values are the correctly rounded cosines, checked with
// 100-digit arithmetic.
TEST(GeometryCosine, IsCorrectlyRoundedWhereTheLibmsDisagree) {
  const struct {
    double degrees, cosine;
  } cases[] = {{0.0697, 0x1.ffffe72c0e329p-1}, {6.1152, 0x1.fd1629d4c18d1p-1},
               {3.7091, 0x1.feed736c014c5p-1}, {0.0, 1.0}};
  for (const auto& c : cases) {
    EXPECT_EQ(GeometryCosine(c.degrees * 3.141592653589793 / 180.0), c.cosine) << c.degrees;
  }
}

TEST(FieldNumber, ReadsLikeTheCLibrary) {
  EXPECT_EQ(FieldDouble(""), 0.0);
  EXPECT_EQ(FieldDouble("."), 0.0);
  EXPECT_EQ(FieldDouble("12.5x"), 12.5);
  EXPECT_EQ(FieldInteger(""), 0);
  EXPECT_EQ(FieldInteger("137"), 137);
  EXPECT_EQ(FieldInteger("99999999999"), 2147483647);  // 32-bit long or clamp: one value
  EXPECT_EQ(FieldInteger("-99999999999"), -2147483647 - 1);
}

class UpdateGeometryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int n = 1; n <= 500; ++n) controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(n));
  }
  void Set(int row, const std::string& pitch, const std::string& helix) {
    controls.Select(IDC_NUMBER_OF_TEETH, row);
    controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, pitch);
    controls.SetText(IDC_HELIX_ANGLE, helix);
    UpdateGeometry(controls);
  }
  std::string Diameter() const { return controls.GetText(IDC_PITCH_DIAMETER_LINE, 200); }
  std::string Outside() const { return controls.GetText(IDC_OUTSIDE_DIAMETER_LINE, 200); }
  MemoryControls controls;
};

TEST_F(UpdateGeometryTest, WritesBothLinesFromTheSelectedItem) {
  Set(34, "8", "22.5");  // row 34 holds "35"
  EXPECT_EQ(Diameter(), "Transverse Pitch Dia.: 4.7355");
  EXPECT_EQ(Outside(), "Outside Dia.: 4.9855");
  // The shared stream is emptied between lines and calls.
  Set(19, "10", "30");
  EXPECT_EQ(Diameter(), "Transverse Pitch Dia.: 2.3094");
  EXPECT_EQ(Outside(), "Outside Dia.: 2.5094");
}

TEST_F(UpdateGeometryTest, BlanksBothLinesWithoutASelection) {
  Set(19, "10", "30");
  Set(-1, "10", "30");
  EXPECT_EQ(Diameter(), "");
  EXPECT_EQ(Outside(), "");
}

// Only the first 59 characters of a field count: a 60th digit is not read.
TEST_F(UpdateGeometryTest, ReadsFiftyNineCharactersOfEachField) {
  Set(19, std::string(58, '0') + "10", "0");  // read as pitch 1
  EXPECT_EQ(Diameter(), "Transverse Pitch Dia.: 20.0000");
  Set(19, "10", std::string(58, '0') + "60");  // read as 6 degrees, not 60
  EXPECT_EQ(Diameter(), "Transverse Pitch Dia.: 2.0110");
}

}  // namespace
}  // namespace corvanta
