// The feed constant as the machine uses it.
#ifndef CORVANTA_NUMERIC_FEED_CONSTANT_H
#define CORVANTA_NUMERIC_FEED_CONSTANT_H

#include "numeric/number_types.h"

namespace corvanta {

// Feed constants above 3 are entered as their reciprocal on these machines.
// Decided on the 100-digit value; NaN is never inverted.
bool FeedConstantIsInverted(const Decimal100& feedConstant);

// Kf, or 1 / Kf when the machine takes the reciprocal.
Decimal100 EffectiveFeedConstant(const Decimal100& feedConstant);

}  // namespace corvanta

#endif
