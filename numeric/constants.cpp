#include "numeric/constants.h"

#include <boost/math/constants/constants.hpp>

namespace corvanta {

const Decimal100& Pi() {
  // A function-local static: thread-safe initialisation, built on first use.
  static const Decimal100 pi = boost::math::constants::pi<Decimal100>();
  return pi;
}

Decimal100 DegreesToRadians(const Decimal100& degrees) {
  static const Decimal100 halfTurnDegrees("180");
  return (Pi() / halfTurnDegrees) * degrees;
}

}  // namespace corvanta
