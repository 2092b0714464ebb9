// A job in memory controls, and exact arithmetic to check the search by.
#ifndef CORVANTA_TESTS_SEARCH_SEARCH_TEST_SUPPORT_H
#define CORVANTA_TESTS_SEARCH_SEARCH_TEST_SUPPORT_H

#include <boost/multiprecision/cpp_int.hpp>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "app/memory_controls.h"
#include "numeric/number_types.h"
#include "resources/resource.h"

namespace corvanta::testing {

using Rational = boost::multiprecision::cpp_rational;

// Every gear-stock cell "0" except the listed tooth counts.
inline void SetStock(MemoryControls& controls, const std::vector<int>& owned) {
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + k, "0");
  for (int teeth : owned) controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + teeth - 16, "1");
}

// The stock a fresh installation starts with: 30 to 90 teeth.
inline std::vector<int> DefaultStock() {
  std::vector<int> teeth;
  for (int t = 30; t <= 90; ++t) teeth.push_back(t);
  return teeth;
}

// Defaults: the regression job (index constant 30, feed constant 0.075,
// feed rate .025, helix 30, normal diametral pitch 10, 40 teeth, one thread,
// set-up row 0).
struct Job {
  std::string indexConst = "30";
  std::string feedConst = "0.075";
  std::string feedRate = ".025";
  std::string helix = "30";
  std::string pitch = "10";
  int teeth = 40;  // 0: nothing selected
  std::string hobThreads = "1";
  int row = 0;
  bool wholeC = false;
};

// Puts `job` into controls made fresh for it (lists get their items here).
inline void SetJob(MemoryControls& controls, const Job& job) {
  controls.SetText(IDC_INDEX_CONST, job.indexConst);
  controls.SetText(IDC_FEED_CONST, job.feedConst);
  controls.SetText(IDC_FEED_RATE, job.feedRate);
  controls.SetText(IDC_HELIX_ANGLE, job.helix);
  controls.SetText(IDC_NORMAL_DIAMETRAL_PITCH, job.pitch);
  for (int n = 1; n <= 500; ++n) controls.AddItem(IDC_NUMBER_OF_TEETH, std::to_string(n));
  controls.Select(IDC_NUMBER_OF_TEETH, job.teeth - 1);
  controls.SetText(IDC_HOB_THREADS, job.hobThreads);
  for (int r = 0; r < 8; ++r) controls.AddItem(IDC_HAND_CUT_CHOOSER, std::to_string(r));
  controls.Select(IDC_HAND_CUT_CHOOSER, job.row);
  controls.SetChecked(IDC_WHOLE_C_ONLY, job.wholeC);
}

// The exact value of a Decimal100, digit for digit.
inline Rational ToRational(const Decimal100& x) {
  const std::string text = x.str(0, std::ios_base::scientific);
  const std::size_t e = text.find('e');
  std::string digits;
  int fractionDigits = 0;
  bool afterPoint = false;
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] == '.') {
      afterPoint = true;
    } else {
      digits += text[i];
      if (afterPoint) ++fractionDigits;
    }
  }
  const int exponent = std::stoi(text.substr(e + 1)) - fractionDigits;
  Rational value{boost::multiprecision::cpp_int(digits)};
  const Rational power{boost::multiprecision::pow(boost::multiprecision::cpp_int(10),
                                                  static_cast<unsigned>(std::abs(exponent)))};
  if (exponent >= 0) return value * power;
  return value / power;
}

// Pi to 120 decimals, far beyond what any comparison here resolves.
inline Rational PiRational() {
  const std::string digits =
      "3141592653589793238462643383279502884197169399375105820974944592307816406286"
      "208998628034825342117067982148086513282306647093844609550582231725359408128";
  return Rational(boost::multiprecision::cpp_int(digits)) /
         Rational(boost::multiprecision::pow(boost::multiprecision::cpp_int(10),
                                             static_cast<unsigned>(digits.size() - 1)));
}

// |actual - expected| / scale, in units of the Decimal100 epsilon: how many
// last digits of a number of magnitude `scale` are off.
inline double ErrorInEps(const Decimal100& actual, const Rational& expected, const Rational& scale) {
  const Rational eps = ToRational(std::numeric_limits<Decimal100>::epsilon());
  return static_cast<double>(Rational(abs(ToRational(actual) - expected) / (abs(scale) * eps)));
}

inline double RelativeErrorInEps(const Decimal100& actual, const Rational& expected) {
  return ErrorInEps(actual, expected, expected);
}

// The train ratio a * b / (c * d) of four tooth counts, exactly.
inline Rational ExactRatio(int a, int b, int c, int d) { return Rational(a * b, c * d); }

}  // namespace corvanta::testing

#endif
