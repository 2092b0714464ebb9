#include "results/result_texts.h"

#include <gtest/gtest.h>

#include "numeric/constants.h"

namespace corvanta {
namespace {

TEST(ActualFeedText, TheLastShownDecimalIsCutNotRounded) {
  // 0.025 / cos 30 = 0.0288675134595...: 11 decimals round to ...346, shown ...34.
  const Decimal100 actual("0.025");
  EXPECT_EQ(ActualFeedText(actual, actual / cos(DegreesToRadians(Decimal100(30)))),
            "Actual Feed From C: 0.0250000000 Along Helix Angle: 0.0288675134");
}

}  // namespace
}  // namespace corvanta
