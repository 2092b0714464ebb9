// The number types every gear-train quantity is computed in.
#ifndef CORVANTA_NUMERIC_NUMBER_TYPES_H
#define CORVANTA_NUMERIC_NUMBER_TYPES_H

#include <boost/multiprecision/cpp_bin_float.hpp>
#include <boost/multiprecision/cpp_dec_float.hpp>
#include <boost/multiprecision/cpp_int.hpp>

namespace corvanta {

// Decimal floating point of 100 significant digits: C constants, ratios,
// errors and everything the search compares. Expression templates are off
// so that `auto` always holds a value and each operation rounds where the
// code says it does.
using Decimal100 = boost::multiprecision::number<boost::multiprecision::cpp_dec_float<100>,
                                                 boost::multiprecision::et_off>;

// Base-2 floating point wide enough for 100 decimal digits: continued
// fractions and the values the set-up sheet parses from text.
using Binary100 = boost::multiprecision::number<boost::multiprecision::cpp_bin_float<100>,
                                                boost::multiprecision::et_off>;

// Unbounded signed integer.
using BigInt = boost::multiprecision::cpp_int;

}  // namespace corvanta

#endif
