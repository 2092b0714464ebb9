// Exact rational arithmetic to check result texts by: at a helix of 30
// degrees sin = 1/2 and cos = sqrt(3)/2, so every text of a result of the
// regression job has an exact value to round.
#ifndef CORVANTA_TESTS_SUPPORT_EXACT_DISPLAY_H
#define CORVANTA_TESTS_SUPPORT_EXACT_DISPLAY_H

#include <algorithm>
#include <array>
#include <boost/multiprecision/cpp_int.hpp>
#include <string>

namespace corvanta::testing {

using Rational = boost::multiprecision::cpp_rational;
using BigInteger = boost::multiprecision::cpp_int;

inline Rational Power10(int exponent) {
  return Rational(boost::multiprecision::pow(BigInteger(10), static_cast<unsigned>(exponent)));
}

// Pi to 150 decimals; sqrt(3) to 100.
inline Rational PiRational() {
  return Rational(BigInteger(
             "3141592653589793238462643383279502884197169399375105820974944592307816406286"
             "208998628034825342117067982148086513282306647093844609550582231725359408128")) /
         Power10(150);
}
inline Rational Sqrt3Rational() {
  const BigInteger scale = boost::multiprecision::pow(BigInteger(10), 100);
  return Rational(boost::multiprecision::sqrt(BigInteger(3) * scale * scale), scale);
}

// x in fixed notation, rounded to nearest; a negative value keeps its sign
// even when it rounds to zero.
inline std::string RoundedText(Rational x, int decimals) {
  const bool negative = x < 0;
  const Rational scaled = abs(x) * Power10(decimals);
  BigInteger n = numerator(scaled) / denominator(scaled);
  if (scaled - n >= Rational(1, 2)) ++n;
  std::string digits = n.str();
  const auto d = static_cast<std::size_t>(decimals);
  if (digits.size() <= d) digits.insert(0, d + 1 - digits.size(), '0');
  digits.insert(digits.size() - d, ".");
  return (negative ? "-" : "") + digits;
}

// A job at 30 degrees of helix and normal pitch 10, every value exact.
struct ExactJob {
  Rational indexConstant{30};
  Rational feedConstant{3, 40};  // as used: already 1 / Kf when the field held more than 3
  int teeth = 40, hobThreads = 1, sign = -1;
};

// The eight tooth counts of a train pair, as a result records them.
struct Trains {
  std::array<int, 2> feedDenominator, feedNumerator, indexDenominator, indexNumerator;
};

struct ExactDisplay {
  Rational c, feedError;  // feedError signed
  std::array<std::string, 4> indexCells, feedCells;
  std::string indexErrorLine = "Index Error: None", feedErrorLine, actualFeedText, leadLine;
};

inline std::array<std::string, 4> Cells(const std::array<int, 2>& up,
                                        const std::array<int, 2>& down) {
  return {std::to_string(std::min(up[0], up[1])), std::to_string(std::max(up[0], up[1])),
          std::to_string(std::max(down[0], down[1])), std::to_string(std::min(down[0], down[1]))};
}

inline ExactDisplay ExpectDisplay(const ExactJob& job, const Trains& t) {
  const Rational pi = PiRational(), sinHelix(1, 2), cosHelix = Sqrt3Rational() / 2;
  const Rational p = Rational(t.indexNumerator[0]) * t.indexNumerator[1];
  const Rational q = Rational(t.indexDenominator[0]) * t.indexDenominator[1];
  const Rational kiT = job.indexConstant * job.hobThreads;
  ExactDisplay d;
  d.c = p * job.sign / (kiT * q - job.teeth * p);  // Ki T C / (C N + s) = p / q, solved for C
  d.indexCells = Cells(t.indexNumerator, t.indexDenominator);
  d.feedCells = Cells(t.feedNumerator, t.feedDenominator);

  const Rational pitch = pi / 10;
  const Rational feed = Rational(t.feedNumerator[0] * t.feedNumerator[1],
                                 t.feedDenominator[0] * t.feedDenominator[1]);
  d.feedError = feed - pitch / (d.c * job.feedConstant) / sinHelix;
  d.feedErrorLine = "Feed Error: " + RoundedText(d.feedError, 12);
  const Rational actual = pitch / (d.c * sinHelix);
  std::string along = RoundedText(actual / cosHelix, 11);
  along.pop_back();  // the last decimal is cut, not rounded
  d.actualFeedText =
      "Actual Feed From C: " + RoundedText(actual, 10) + " Along Helix Angle: " + along;
  const Rational lead = d.c * feed * job.feedConstant * job.teeth;
  d.leadLine = "Lead: " + RoundedText(lead, 10) +
               " (Error: " + RoundedText(lead - pitch / sinHelix * job.teeth, 10) + ")";
  return d;
}

}  // namespace corvanta::testing

#endif
