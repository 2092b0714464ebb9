#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "numeric/constants.h"
#include "numeric/number_text.h"
#include "print/sheet_content.h"
#include "print/sheet_text.h"
#include "search/c_from_index_ratio.h"
#include "search/search_worker.h"
#include "tests/print/sheet_test_support.h"

namespace corvanta {
namespace {

using testing::Result;

std::string Dms(int d, int m, int s, int t) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d\xB0%02d'%02d.%04d\"", d, m, s, t);
  return text;
}

TEST(DegreesMinutesSeconds, WorkedAngles) {
  const struct {
    double angle;
    std::string text;
  } cases[] = {
      {22.5, Dms(22, 30, 0, 0)},
      {10.123456, Dms(10, 7, 24, 4416)},
      {5.99999999, Dms(6, 0, 0, 0)},  // 59'59.99996" carries all the way up
      {0.5, Dms(0, 30, 0, 0)},
      {0, Dms(0, 0, 0, 0)},
      {89.9, Dms(89, 54, 0, 0)},
      {123.5, "123\xB0" "30'00.0000\""},
      {30.0002777777, Dms(30, 0, 1, 0)},  // 0.99999972" rounds to a whole second
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.angle);
    EXPECT_EQ(DegreesMinutesSeconds(c.angle), c.text);
  }
}

// An angle built from degrees, minutes and a seconds value with four
// decimals comes back as the same four numbers, the edges of every carry
// included.
TEST(DegreesMinutesSeconds, RecoversTheAngleItWasBuiltFrom) {
  for (int d : {0, 1, 9, 10, 45, 89}) {
    for (int m : {0, 1, 9, 30, 58, 59}) {
      for (int s : {0, 9, 10, 59}) {
        for (int t : {0, 1, 5000, 9999}) {
          const double angle = d + m / 60.0 + (s + t / 10000.0) / 3600.0;
          EXPECT_EQ(DegreesMinutesSeconds(angle), Dms(d, m, s, t)) << d << " " << m << " " << s
                                                                   << " " << t;
        }
      }
    }
  }
}

TEST(DegreesMinutesSeconds, ValuesTheFieldNeverHoldsDoNotBreakIt) {
  EXPECT_EQ(DegreesMinutesSeconds(-0.5), "-" + Dms(0, 30, 0, 0));
  EXPECT_EQ(DegreesMinutesSeconds(INFINITY).rfind("inf", 0), 0u);
  EXPECT_EQ(DegreesMinutesSeconds(NAN).rfind("nan", 0), 0u);
  // Every digit of a huge angle, and no overflow of an int on the way.
  EXPECT_EQ(DegreesMinutesSeconds(1e20), "100000000000000000000\xB0" "00'00.0000\"");
}

TEST(SheetNumbers, ModuleAndMillimetres) {
  EXPECT_EQ(ModuleText("10"), "2.540000");
  EXPECT_EQ(ModuleText("2.5"), "10.160000");
  EXPECT_EQ(ModuleText("0"), "inf");  // never a division the sheet refuses
  // 2.3094 x 25.4 = 58.65876 and 2.5094 x 25.4 = 63.73876.
  EXPECT_EQ(MillimetreText("Transverse Pitch Dia.: 2.3094", kPitchDiameterCaptionLength), "58.659");
  EXPECT_EQ(MillimetreText("Outside Dia.: 2.5094", kOutsideDiameterCaptionLength), "63.739");
  EXPECT_EQ(MillimetreText("", kPitchDiameterCaptionLength), "0.000");
  EXPECT_EQ(MillimetreText("Outside", kOutsideDiameterCaptionLength), "0.000");
}

TEST(ActualFeedSheetLine, ADotWhereTheDisplayBreaksTheLine) {
  const std::string dot = " \xB7 ";
  EXPECT_EQ(ActualFeedSheetLine("Actual Feed From C: 0.0250000000 Along Helix Angle: 0.0270598050"),
            "Actual Feed From C: 0.0250000000" + dot + "Along Helix Angle: 0.0270598050");
  // One digit more before the point: the break still falls before "Along".
  EXPECT_EQ(ActualFeedSheetLine("Actual Feed From C: 12.0000000000 Along Helix Angle: 12.9887369321"),
            "Actual Feed From C: 12.0000000000" + dot + "Along Helix Angle: 12.9887369321");
  // Without the caption, the columns of a feed below 10.
  const std::string other(70, 'x');
  EXPECT_EQ(ActualFeedSheetLine(other), std::string(32, 'x') + dot + std::string(31, 'x'));
  EXPECT_EQ(ActualFeedSheetLine("short"), "short" + dot);
  EXPECT_EQ(ActualFeedSheetLine(""), dot);
}

// The index equations of the job with index constant 30, one thread and
// 41 teeth. For each, X / Y must be the train's ratio P / Q: that is what
// the operator checks the train by.
TEST(IndexEquation, FormsOfTheWorkedTrains) {
  const struct {
    ExactRatio c;
    ToothPair numerator, denominator;
    int sign, form;
    const char* xLine;
    const char* numeratorSide;
    const char* yLine;
    const char* denominatorSide;
  } cases[] = {
      {{41, 1}, {24, 41}, {24, 56}, -1, 3, "41 * 30 * 1 = 1230", "((1230 * 4) / 5) = 984 = 41 x 24",
       "(41 * 41)  - 1 = 1680", "((1680 * 4) / 5) = 1344 = 24 x 56"},
      {{28, 1}, {24, 35}, {31, 37}, -1, 0, "28 * 30 * 1 = 840", "840 = 35 x 24",
       "(28 * 41)  - 1 = 1147", "1147 = 31 x 37"},
      {{176, 1}, {24, 44}, {37, 39}, -1, 2, "176 * 30 * 1 = 5280", "(5280 / 5) = 1056 = 44 x 24",
       "(176 * 41)  - 1 = 7215", "(7215 / 5) = 1443 = 37 x 39"},
      {{41, 1}, {60, 41}, {56, 60}, -1, 1, "41 * 30 * 1 = 1230", "(1230 * 2) = 2460 = 41 x 60",
       "(41 * 41)  - 1 = 1680", "(1680 * 2) = 3360 = 56 x 60"},
      // C = 47/2: q enters Y.
      {{47, 2}, {24, 47}, {35, 44}, -1, 3, "47 * 30 * 1 = 1410", "((1410 * 4) / 5) = 1128 = 47 x 24",
       "(47 * 41)  - 2 = 1925", "((1925 * 4) / 5) = 1540 = 35 x 44"},
      // A plus row: 1230 / 1682 = 2460 / 3364.
      {{41, 1}, {60, 41}, {58, 58}, +1, 1, "41 * 30 * 1 = 1230", "(1230 * 2) = 2460 = 41 x 60",
       "(41 * 41)  + 1 = 1682", "(1682 * 2) = 3364 = 58 x 58"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xLine);
    SolveResult r = Result(c.numerator, c.denominator, {}, {}, "1");
    const IndexEquation e = MakeIndexEquation(c.c, 30, 1, 41, c.sign, r);
    EXPECT_EQ(e.form, c.form);
    EXPECT_EQ(e.xLine, c.xLine);
    EXPECT_EQ(e.numeratorSide, c.numeratorSide);
    EXPECT_EQ(e.yLine, c.yLine);
    EXPECT_EQ(e.denominatorSide, c.denominatorSide);

    // The identities the equation states, from the tooth counts and C alone.
    const BigInt p = c.c.numerator, q = c.c.denominator;
    const BigInt x = p * 30, y = p * 41 + c.sign * q;
    const BigInt P = BigInt(c.numerator.first) * c.numerator.second;
    const BigInt Q = BigInt(c.denominator.first) * c.denominator.second;
    EXPECT_EQ(x * Q, y * P) << "the train is not the ratio of C";
    EXPECT_EQ(x * e.a, P * e.b);
    EXPECT_EQ(y * e.a, Q * e.b);
    EXPECT_EQ(gcd(e.a, e.b), 1);
  }
}

TEST(IndexEquation, ZeroConstantAndZeroTeethDoNotDivideByZero) {
  const IndexEquation e = MakeIndexEquation({0, 1}, 0, 1, 41, -1, SolveResult{});
  EXPECT_EQ(e.form, 0);
  EXPECT_EQ(e.xLine, "0 * 0 * 1 = 0");
  EXPECT_EQ(e.numeratorSide, "0 = 0 x 0");
  EXPECT_EQ(e.yLine, "(0 * 41)  - 1 = -1");
}

// The sheet reads C back from 110 decimals; the C a search finds for a
// train (with its 1e-110) must come back as the simple fraction it is.
TEST(SheetRatioOfC, RecoversTheFractionOfTheTrain) {
  const IndexTerms terms{Decimal100(30), 1, 41, -1};
  const struct {
    int numerator, denominator;
    long p, q;
  } trains[] = {{41 * 24, 24 * 56, 41, 1}, {47 * 24, 35 * 44, 47, 2}, {35 * 24, 31 * 37, 28, 1}};
  for (const auto& t : trains) {
    SCOPED_TRACE(t.p);
    const Decimal100 c = CFromIndexRatio(Decimal100(t.numerator) / Decimal100(t.denominator), terms);
    const ExactRatio ratio = SheetRatioOfC(c);
    EXPECT_EQ(ratio.numerator, t.p);
    EXPECT_EQ(ratio.denominator, t.q);
  }
  EXPECT_EQ(SheetRatioOfC(Decimal100("23.5")).denominator, 2);
  const ExactRatio none = SheetRatioOfC(std::numeric_limits<Decimal100>::quiet_NaN());
  EXPECT_EQ(none.numerator, 0);
  EXPECT_EQ(none.denominator, 1);
}

TEST(FeedConstantText, AsTypedUpToThreeElseItsReciprocal) {
  const struct {
    const char* typed;
    const char* shown;
  } cases[] = {
      {"0.075", "0.075"},
      {"3", "3"},  // not above 3
      {"8", "0.125"},
      {"4", "0.25"},
      {"16", "0.0625"},
      {"12", "0.08333333333333333333333333333333"},  // 32 decimals
      {"7.5", "0.13333333333333333333333333333333"},
      {"20000", "5e-05"},  // general notation below 0.0001
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(FeedConstantText(c.typed), c.shown) << c.typed;
}

TEST(FeedErrorFormula, OneOverPnForAWholeC_PnTimesQOtherwise) {
  const SolveResult r = Result({}, {}, {48, 25}, {60, 43}, "41");
  const FeedErrorFormula whole = MakeFeedErrorFormula(r, {41, 1}, "0.075");
  EXPECT_EQ(whole.first, "((25 * 48) / (60 * 43)) - (Pn / (sin(");
  EXPECT_EQ(whole.last, ") * 41 * 0.075))");
  const FeedErrorFormula half = MakeFeedErrorFormula(r, {47, 2}, "8");
  EXPECT_EQ(half.first, "((25 * 48) / (60 * 43)) - ((Pn * 2) / (sin(");
  EXPECT_EQ(half.last, ") * 47 * 0.125))");
}

// The feed error is the train's ratio less the ratio C asks for; with the
// train below that it is negative and printed with its sign.
TEST(SheetFeedError, SignedDifferenceFromTheRatioCAsksFor) {
  const struct {
    ToothPair up, down;
    ExactRatio c;
    const char* kf;
  } cases[] = {
      {{20, 40}, {60, 50}, {41, 1}, "0.075"},  // 0.26667 against 0.26697
      {{27, 30}, {55, 55}, {41, 1}, "0.075"},  // 0.26777 against 0.26697
      {{30, 33}, {64, 70}, {47, 2}, "8"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kf);
    const SolveResult r = Result({}, {}, c.up, c.down, "1");
    const Decimal100 fe = SheetFeedError(r, c.c, c.kf, "22.5", "10");

    // In long double, from the closed form sin 22.5° = sqrt(2 - sqrt 2) / 2.
    const long double kf = std::stold(c.kf) > 3 ? 1 / std::stold(c.kf) : std::stold(c.kf);
    const long double sine = std::sqrt(2 - std::sqrt(2.0L)) / 2;
    const long double p = c.c.numerator.convert_to<long double>();
    const long double q = c.c.denominator.convert_to<long double>();
    const long double train =
        static_cast<long double>(c.up.first * c.up.second) / (c.down.first * c.down.second);
    const long double expected = train - (3.14159265358979323846264338327950288L / 10 * q) /
                                             (sine * p * kf);
    EXPECT_NEAR(fe.convert_to<long double>(), expected, 1e-15L);
    // And the search's own FeedRatio at C = p / q, to the last digits.
    const Decimal100 typedKf(c.kf);
    const Decimal100 f = typedKf > 3 ? Decimal100(1) / typedKf : typedKf;
    const Decimal100 feedRatio =
        FeedRatio(Decimal100(c.c.numerator.str()) / Decimal100(c.c.denominator.str()), f,
                  sin(DegreesToRadians(Decimal100("22.5"))), Pi() / Decimal100(10));
    const Decimal100 trainRatio =
        Decimal100(c.up.first * c.up.second) / Decimal100(c.down.first * c.down.second);
    EXPECT_LT(abs(fe - (trainRatio - feedRatio)), Decimal100("1e-95"));
  }
  const SolveResult slow = Result({}, {}, {20, 40}, {60, 50}, "41");
  EXPECT_EQ(FixedText(SheetFeedError(slow, {41, 1}, "0.075", "22.5", "10"), 24).substr(0, 4), "-0.0");
}

// The pitch line carries pi / Pn to 100 decimals; for Pn = 10 those are the
// digits of pi, rounded at the hundredth.
TEST(FormulaLines, NormalCircularPitchOfPitch10IsTheDigitsOfPi) {
  std::string digits =
      "31415926535897932384626433832795028841971693993751058209749445923078164062862089986280348253"
      "421170679";  // 101 digits of pi
  // Round at the 100th digit (the 101st is 9, and the 100th a 7: no carry).
  ASSERT_EQ(digits[100], '9');
  digits.pop_back();
  digits.back() = static_cast<char>(digits.back() + 1);
  const FormulaLine line = NormalCircularPitchLine("10");
  EXPECT_EQ(line.first, "Pn = 0." + digits.substr(0, 50));
  EXPECT_EQ(line.rest, digits.substr(50));
  EXPECT_EQ(line.first.size(), 57u);
}

TEST(FormulaLines, SineOf22_5DegreesTo100Decimals) {
  const FormulaLine line = HelixSineLine("22.5");
  ASSERT_EQ(line.first.size(), 56u);
  ASSERT_EQ(line.rest.size(), 50u);
  ASSERT_EQ(line.first.substr(0, 6), ") = 0.");
  const Binary100 printed(line.first.substr(4) + line.rest);
  const Binary100 exact = sqrt(Binary100(2) - sqrt(Binary100(2))) / 2;
  EXPECT_LT(abs(printed - exact), Binary100("1e-99"));
}

TEST(FormulaLines, ShortTextsStayOnTheirFirstLine) {
  const FormulaLine nan = NormalCircularPitchLine("");  // not a number: no crash
  EXPECT_EQ(nan.first, "Pn = nan");
  EXPECT_EQ(nan.rest, "");
  EXPECT_EQ(SplitFormulaLine(std::string(57, 'a'), 57).rest, "");
  EXPECT_EQ(SplitFormulaLine(std::string(58, 'a'), 57).rest, "a");
}

TEST(SheetText, Windows1252Decoding) {
  EXPECT_EQ(Windows1252ToUtf8("22.5\xB0 \xB7"), "22.5\u00B0 \u00B7");
  EXPECT_EQ(Windows1252ToUtf16("\x80\x81\x9F"), u"\u20AC\uFFFD\u0178");
  EXPECT_EQ(SymbolFaceToUnicode("\\y"), u"\u2234\u03C8");
}

// The builder's format never leaks from one line into the next.
TEST(SheetLineBuilder, EachNumberSetsItsOwnFormat) {
  SheetLineBuilder line;
  EXPECT_EQ(line.Fixed(Decimal100("2.5"), 3).Take(), "2.500");
  EXPECT_EQ(line.Integer(BigInt(1230)).Text(" = ").Integer(-4).Take(), "1230 = -4");
  EXPECT_EQ(line.Fixed(1.0 / 3, 2).Text("|").Fixed(Binary100(1) / 8, 1).Take(), "0.33|0.1");
  EXPECT_EQ(line.Take(), "");
}

}  // namespace
}  // namespace corvanta
