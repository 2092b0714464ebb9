#include "numeric/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <locale>
#include <sstream>

namespace corvanta {

namespace {

template <typename Number>
std::string WriteFixed(const Number& value, int decimals) {
  std::ostringstream stream;
  // The global locale could group digits or change the point; shown
  // numbers never do either.
  stream.imbue(std::locale::classic());
  stream.setf(std::ios::fixed, std::ios::floatfield);
  // A negative precision makes the multiprecision output throw
  // std::length_error.
  stream.precision(std::max(decimals, 0));
  stream << value;
  return stream.str();
}

}  // namespace

std::string FixedText(const Decimal100& value, int decimals) { return WriteFixed(value, decimals); }

std::string FixedText(const Binary100& value, int decimals) { return WriteFixed(value, decimals); }

std::string FixedText(double value, int decimals) {
  // 0.0 / 0.0 is a NaN with the sign bit set: glibc writes it "-nan" and
  // MinGW-w64 "nan". The sign of a NaN means nothing, so it is dropped.
  return WriteFixed(std::isnan(value) ? std::fabs(value) : value, decimals);
}

std::string IntegerText(const BigInt& value) { return value.str(); }

std::string ToothCountText(int teeth) {
  char buffer[61];
  std::snprintf(buffer, sizeof buffer, "%i", teeth);
  return buffer;
}

}  // namespace corvanta
