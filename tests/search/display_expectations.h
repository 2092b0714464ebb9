// What the result display must show, worked out independently of the
// program: exact rational arithmetic from the tooth counts, with the helix
// angle fixed at 30 degrees so that sin = 1/2 and cos = sqrt(3)/2, and pi
// and sqrt(3) known to far more digits than any shown number needs.
#ifndef CORVANTA_TESTS_SEARCH_DISPLAY_EXPECTATIONS_H
#define CORVANTA_TESTS_SEARCH_DISPLAY_EXPECTATIONS_H

#include <array>
#include <string>

#include "search/search_test_support.h"

namespace corvanta::testing {

using BigInteger = boost::multiprecision::cpp_int;

// sqrt(3) to 100 decimals.
inline Rational Sqrt3Rational() {
  const BigInteger scale = boost::multiprecision::pow(BigInteger(10), 100);
  return Rational(boost::multiprecision::sqrt(BigInteger(3) * scale * scale), scale);
}

// x in fixed notation with `decimals` digits, rounded to nearest; a
// negative value keeps its sign even when it rounds to zero, as the
// program's own output does.
inline std::string RoundedText(Rational x, int decimals) {
  const bool negative = x < 0;
  if (negative) x = -x;
  const BigInteger scale = boost::multiprecision::pow(BigInteger(10), static_cast<unsigned>(decimals));
  const Rational scaled = x * scale;
  BigInteger n = boost::multiprecision::numerator(scaled) / boost::multiprecision::denominator(scaled);
  if (scaled - n >= Rational(1, 2)) ++n;
  std::string digits = n.str();
  if (digits.size() <= static_cast<std::size_t>(decimals))
    digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
  digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
  return (negative ? "-" : "") + digits;
}

inline BigInteger Floor(const Rational& x) {
  BigInteger q = boost::multiprecision::numerator(x) / boost::multiprecision::denominator(x);
  if (x < 0 && Rational(q) != x) --q;
  return q;
}

// A job at 30 degrees of helix, with every other value exact.
struct ExactJob {
  Rational indexConstant{30};
  Rational feedConstant{3, 40};  // as used: already 1 / Kf when the field held more than 3
  Rational normalPitch{10};
  int teeth = 40;
  int hobThreads = 1;
  int sign = -1;
};

// The eight tooth counts of a train pair, as a result records them.
struct Trains {
  std::array<int, 2> feedDenominator, feedNumerator, indexDenominator, indexNumerator;
};

struct ExactDisplay {
  Rational c;
  Rational feedError;  // signed
  std::array<std::string, 4> indexCells, feedCells;
  std::string cLine, indexErrorLine, feedErrorLine, actualFeedText, leadLine;
};

inline std::array<std::string, 4> Cells(const std::array<int, 2>& up, const std::array<int, 2>& down) {
  return {std::to_string(std::min(up[0], up[1])), std::to_string(std::max(up[0], up[1])),
          std::to_string(std::max(down[0], down[1])), std::to_string(std::min(down[0], down[1]))};
}

inline ExactDisplay ExpectDisplay(const ExactJob& job, const Trains& t) {
  const Rational pi = PiRational(), sinHelix(1, 2), cosHelix = Sqrt3Rational() / 2;
  const Rational p = Rational(t.indexNumerator[0]) * t.indexNumerator[1];
  const Rational q = Rational(t.indexDenominator[0]) * t.indexDenominator[1];
  const Rational kiT = job.indexConstant * job.hobThreads;
  ExactDisplay d;
  // Ki T C / (C N + s) = p / q, solved for C.
  d.c = p * job.sign / (kiT * q - job.teeth * p);
  d.indexCells = Cells(t.indexNumerator, t.indexDenominator);
  d.feedCells = Cells(t.feedNumerator, t.feedDenominator);

  // The C line: the least k making C and the index equation's parts whole.
  const Rational up = kiT * d.c, down = d.c * job.teeth + job.sign;
  const Rational parts[] = {d.c,
                            up / t.indexNumerator[1],
                            up / t.indexNumerator[0],
                            down / t.indexDenominator[1],
                            down / t.indexDenominator[0],
                            up / t.indexNumerator[1] / t.indexNumerator[0],
                            down / t.indexDenominator[1] / t.indexDenominator[0]};
  BigInteger k = 1;
  for (const Rational& part : parts) {
    const BigInteger den = boost::multiprecision::denominator(part);
    k = k / boost::multiprecision::gcd(k, den) * den;
  }
  if (k <= 9999 && Floor(d.c) > 0) {
    d.cLine = "C: " + boost::multiprecision::numerator(d.c).str();
    if (boost::multiprecision::denominator(d.c) != 1)
      d.cLine += "/" + boost::multiprecision::denominator(d.c).str();
  }
  d.indexErrorLine = "Index Error: None";

  const Rational pitch = pi / job.normalPitch;
  const Rational feed = Rational(t.feedNumerator[0] * t.feedNumerator[1],
                                 t.feedDenominator[0] * t.feedDenominator[1]);
  d.feedError = feed - pitch / (d.c * job.feedConstant) / sinHelix;
  d.feedErrorLine = "Feed Error: " + RoundedText(d.feedError, 12);
  const Rational actual = pitch / (d.c * sinHelix);
  std::string along = RoundedText(actual / cosHelix, 11);
  along.pop_back();
  d.actualFeedText = "Actual Feed From C: " + RoundedText(actual, 10) + " Along Helix Angle: " + along;
  const Rational lead = d.c * feed * job.feedConstant * job.teeth;
  d.leadLine = "Lead: " + RoundedText(lead, 10) + " (Error: " +
               RoundedText(lead - pitch / sinHelix * job.teeth, 10) + ")";
  return d;
}

}  // namespace corvanta::testing

#endif
