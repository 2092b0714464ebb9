#include "numeric/feed_constant.h"

namespace corvanta {

bool FeedConstantIsInverted(const Decimal100& feedConstant) {
  return !isnan(feedConstant) && feedConstant > Decimal100(3.0);
}

Decimal100 EffectiveFeedConstant(const Decimal100& feedConstant) {
  return FeedConstantIsInverted(feedConstant) ? Decimal100(1.0) / feedConstant : feedConstant;
}

}  // namespace corvanta
