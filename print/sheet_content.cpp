#include "print/sheet_content.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include <boost/math/constants/constants.hpp>

#include "numeric/constants.h"
#include "numeric/decimal_text.h"
#include "numeric/feed_constant.h"
#include "numeric/field_number.h"
#include "numeric/number_text.h"
#include "print/sheet_text.h"
#include "search/train_ratio.h"

namespace corvanta {

namespace {

// Two digits with a leading zero below 10; the degrees may have more.
std::string TwoDigits(double whole) {
  char buffer[400];  // room for the largest double written in full
  std::snprintf(buffer, sizeof buffer, "%02.0f", whole);
  return buffer;
}

Decimal100 DecimalOrNaN(std::string_view text) {
  const std::optional<Decimal100> value = ParseDecimal100(text);
  return value ? *value : std::numeric_limits<Decimal100>::quiet_NaN();
}

Binary100 BinaryOrNaN(std::string_view text) {
  const std::optional<Binary100> value = ParseBinary100(text);
  return value ? *value : std::numeric_limits<Binary100>::quiet_NaN();
}

BigInt Product(const ToothPair& pair) { return BigInt(pair.first) * BigInt(pair.second); }

// Through the integer's decimal text: the same value, rounded to 100 digits
// as any text is. (The library's direct conversion trips a false
// uninitialised-value warning of GCC 12 inside Boost.)
Decimal100 ToDecimal(const BigInt& value) { return Decimal100(value.str()); }

}  // namespace

std::string DegreesMinutesSeconds(double degrees) {
  std::string sign;
  if (degrees < 0) {
    sign = "-";
    degrees = -degrees;
  }
  if (!std::isfinite(degrees)) {
    // No minutes or seconds to split off; the C library names the value.
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%f", degrees);
    return sign + buffer + kDegreeSign + "00'00.0000\"";
  }
  double d = 0;
  const double minutesFraction = std::modf(degrees, &d) * 60.0;
  double m = 0;
  const double secondsFraction = std::modf(minutesFraction, &m) * 60.0;
  double s = 0;
  const double f = std::modf(secondsFraction, &s);
  double t = std::round(f * 10000.0);  // halves away from zero

  // Rounding may have produced 60 minutes or seconds, or 10000 ten-thousandths.
  if (m == 60) {
    m = 0;
    d += 1;
  }
  if (s == 60) {
    s = 0;
    if (m == 59) {
      m = 0;
      d += 1;
    } else {
      m += 1;
    }
  }
  if (t == 10000) {
    t = 0;
    s += 1;
  }
  if (s == 60) {
    s = 0;
    m += 1;
  }
  if (m == 60) {
    m = 0;
    d += 1;
  }

  char fraction[8];
  std::snprintf(fraction, sizeof fraction, "%04d", static_cast<int>(t));
  return sign + TwoDigits(d) + kDegreeSign + TwoDigits(m) + "'" + TwoDigits(s) + "." + fraction +
         "\"";
}

std::string ModuleText(std::string_view pitchText) {
  return SheetLineBuilder().Fixed(25.4 / FieldDouble(pitchText), 6).Take();
}

std::string MillimetreText(std::string_view line, std::size_t captionLength) {
  const double inches = line.size() < captionLength ? 0.0 : FieldDouble(line.substr(captionLength));
  return SheetLineBuilder().Fixed(inches * 25.4, 3).Take();
}

std::string ActualFeedSheetLine(std::string_view text) {
  // The display writes "Actual Feed From C: <feed> Along Helix Angle: <feed>"
  // and lets its box wrap it. The sheet has the width for one line and puts
  // a middle dot where the box breaks. The break is found by its caption: a
  // feed of 10 or more is one digit longer, and cutting at a fixed column
  // would then cut through the numbers.
  constexpr std::string_view kAlong = " Along Helix Angle: ";
  std::string first, second;
  const std::size_t along = text.find(kAlong);
  if (along != std::string_view::npos) {
    first = text.substr(0, along);
    second = text.substr(along + 1);
  } else {
    // No caption (a text from elsewhere): the columns of a feed below 10,
    // 32 characters, one blank, 31 characters.
    first = text.substr(0, 32);
    if (text.size() > 33) second = text.substr(33, 31);
  }
  return first + " " + kMiddleDot + " " + second;
}

ExactRatio SheetRatioOfC(const Decimal100& c) {
  if (std::optional<ExactRatio> ratio = ExactRatioFromText(FixedText(c, 110))) return *ratio;
  return ExactRatio{0, 1};
}

IndexEquation MakeIndexEquation(const ExactRatio& c, const BigInt& indexConstant, int threads,
                                int teeth, int sign, const SolveResult& result) {
  IndexEquation e;
  e.p = c.numerator;
  e.q = c.denominator;
  e.k = indexConstant;
  e.threads = threads;
  e.teeth = teeth;
  e.sign = sign < 0 ? -1 : 1;
  e.x = e.p * e.k * threads;
  e.y = e.p * teeth + e.sign * e.q;
  e.numeratorProduct = Product(result.indexNumerator);
  e.denominatorProduct = Product(result.indexDenominator);

  // gcd is 0 only when X and P are both 0 (a zero constant and a zero
  // tooth count): nothing to scale then.
  const BigInt g = gcd(e.x, e.numeratorProduct);
  if (g != 0) {
    e.a = e.numeratorProduct / g;
    e.b = e.x / g;
  }
  const bool scaleUp = e.a > 1;
  const bool scaleDown = e.b > 1;
  e.form = (scaleUp ? 1 : 0) + (scaleDown ? 2 : 0);

  const ToothPair& num = result.indexNumerator;
  const ToothPair& den = result.indexDenominator;
  const char* prefix = e.form == 3 ? "((" : e.form == 0 ? "" : "(";
  SheetLineBuilder line;

  e.xLine = line.Integer(e.p)
                .Text(" * ")
                .Integer(e.k)
                .Text(" * ")
                .Integer(threads)
                .Text(" = ")
                .Integer(e.x)
                .Take();

  line.Text(prefix).Integer(e.x);
  if (scaleUp) line.Text(" * ").Integer(e.a).Text(")");
  if (scaleDown) line.Text(" / ").Integer(e.b).Text(")");
  if (e.form != 0) line.Text(" = ").Integer(e.numeratorProduct);
  e.numeratorSide = line.Text(" = ").Integer(num.second).Text(" x ").Integer(num.first).Take();

  e.yLine = line.Text("(")
                .Integer(e.p)
                .Text(" * ")
                .Integer(teeth)
                .Text(") ")
                .Text(e.sign < 0 ? " - " : " + ")
                .Integer(e.q)
                .Text(" = ")
                .Integer(e.y)
                .Take();

  line.Text(prefix).Integer(e.y);
  switch (e.form) {
    case 1: line.Text(" * ").Integer(e.a).Text(")"); break;
    case 2: line.Text(" / ").Integer(e.b).Text(")"); break;
    case 3: line.Text(" * ").Integer(e.a).Text(") / ").Integer(e.b).Text(")"); break;
    default: break;
  }
  if (e.form != 0) line.Text(" = ").Integer(e.denominatorProduct);
  e.denominatorSide = line.Text(" = ").Integer(den.first).Text(" x ").Integer(den.second).Take();
  return e;
}

FormulaLine SplitFormulaLine(const std::string& text, std::size_t firstLength) {
  if (text.size() <= firstLength) return {text, ""};
  return {text.substr(0, firstLength), text.substr(firstLength)};
}

FormulaLine NormalCircularPitchLine(std::string_view pitchText) {
  const Binary100 pi = boost::math::constants::pi<Binary100>();
  const Binary100 piOverPn = pi / BinaryOrNaN(pitchText);
  return SplitFormulaLine(SheetLineBuilder().Text("Pn = ").Fixed(piOverPn, 100).Take(), 57);
}

FormulaLine HelixSineLine(std::string_view helixText) {
  const Binary100 pi = boost::math::constants::pi<Binary100>();
  const Binary100 sine = sin(BinaryOrNaN(helixText) * (pi / Binary100(180)));
  return SplitFormulaLine(SheetLineBuilder().Text(") = ").Fixed(sine, 100).Take(), 56);
}

std::string FeedConstantText(std::string_view feedConstText) {
  const Decimal100 kf = DecimalOrNaN(feedConstText);
  if (!FeedConstantIsInverted(kf)) return std::string(feedConstText);
  const Decimal100 reciprocal = EffectiveFeedConstant(kf);

  // All significant digits, general notation: 1 / 8 is "0.125".
  std::ostringstream stream;
  stream.imbue(std::locale::classic());
  stream.precision(std::numeric_limits<Decimal100>::digits10);
  stream << reciprocal;
  std::string text = stream.str();
  if (text.find('.') != std::string::npos && text.find('e') == std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
  }
  if (text.size() >= 16) return FixedText(reciprocal, 32);
  return text;
}

FeedErrorFormula MakeFeedErrorFormula(const SolveResult& result, const ExactRatio& c,
                                      std::string_view feedConstText) {
  SheetLineBuilder line;
  line.Text("((")
      .Integer(result.feedNumerator.second)
      .Text(" * ")
      .Integer(result.feedNumerator.first)
      .Text(") / (")
      .Integer(result.feedDenominator.first)
      .Text(" * ")
      .Integer(result.feedDenominator.second)
      .Text(")) - ");
  if (c.denominator > 1) {
    line.Text("((Pn * ").Integer(c.denominator).Text(") / (sin(");
  } else {
    line.Text("(Pn / (sin(");
  }
  FeedErrorFormula formula;
  formula.first = line.Take();
  formula.last = line.Text(") * ")
                     .Integer(c.numerator)
                     .Text(" * ")
                     .Text(FeedConstantText(feedConstText))
                     .Text("))")
                     .Take();
  return formula;
}

Decimal100 SheetFeedError(const SolveResult& result, const ExactRatio& c,
                          std::string_view feedConstText, std::string_view helixText,
                          std::string_view pitchText) {
  const Decimal100 piOverPn = Pi() / DecimalOrNaN(pitchText);
  const Decimal100 sinHelix = sin(DegreesToRadians(DecimalOrNaN(helixText)));
  const Decimal100 f = EffectiveFeedConstant(DecimalOrNaN(feedConstText));
  const Decimal100 p = ToDecimal(c.numerator);
  const Decimal100 q = ToDecimal(c.denominator);
  const Decimal100 train = DecimalTrainRatio(result.feedNumerator, result.feedDenominator);
  return train - (piOverPn * q) / (sinHelix * p * f);
}

}  // namespace corvanta
