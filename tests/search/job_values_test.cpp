#include <gtest/gtest.h>

#include "search/job_values.h"
#include "search_test_support.h"

namespace corvanta {
namespace {

using testing::Job;
using testing::PiRational;
using testing::Rational;
using testing::RelativeErrorInEps;
using testing::SetJob;
using testing::ToRational;

std::optional<JobValues> Read(const Job& job) {
  MemoryControls controls;
  SetJob(controls, job);
  return ReadJobValues(controls);
}

TEST(JobValues, AllowanceFollowsTheFeedRateTextLength) {
  const std::vector<std::pair<std::string, double>> cases = {
      {"1", 0},          {"10", 0.01},        {".25", 0.01},        {".025", 0.005},
      {"0.025", 0.0025}, {"0.0250", 0.0015},  {"0.02500", 0.00075}, {"0.025000", 0.0003},
      {"0.0250000", 0.0001},  {"0.02500000", 0.0001},
      {"0.025000000000", 0.0001},  // read as its first 10 characters
  };
  for (const auto& [text, allowance] : cases) {
    Job job;
    job.feedRate = text;
    const auto values = Read(job);
    ASSERT_TRUE(values) << text;
    EXPECT_EQ(values->feedRateTextLength, std::min<std::size_t>(text.size(), 10)) << text;
    if (allowance == 0) {
      EXPECT_FALSE(FeedAllowance(values->feedRateTextLength)) << text;
      EXPECT_EQ(values->cMin, values->cTarget);
      EXPECT_EQ(values->cMax, values->cTarget);
      continue;
    }
    ASSERT_EQ(FeedAllowance(values->feedRateTextLength), allowance) << text;
    // With helix 30 and pitch 10: C = (pi / 10) / (rate * 1/2). The
    // allowance enters as the exact value of the double, which sits 1e-17
    // away from the decimal fraction; 100 eps would not hide the difference.
    const Rational fr = ToRational(values->feedRate), t = Rational(allowance);
    const Rational piOverPn = PiRational() / 10;
    EXPECT_LE(RelativeErrorInEps(values->cMin, piOverPn / (fr + t) * 2), 100.0) << text;
    if (fr > t) {
      EXPECT_LE(RelativeErrorInEps(values->cMax, piOverPn / (fr - t) * 2), 100.0) << text;
    }
  }
}

TEST(JobValues, RegressionJobWindowAndIndexRatios) {
  const auto values = Read(Job{});
  ASSERT_TRUE(values);
  const Rational pi = PiRational();
  EXPECT_LE(RelativeErrorInEps(values->sinHelix, Rational(1, 2)), 10.0);
  EXPECT_LE(RelativeErrorInEps(values->cTarget, 8 * pi), 10.0);
  EXPECT_NEAR(static_cast<double>(values->cMin), 20.9439510, 1e-7);
  EXPECT_NEAR(static_cast<double>(values->cMax), 31.4159265, 1e-7);
  // Ki T C / (C N + s) at C = 8 pi, on either side of plain indexing 30/40.
  for (const int sign : {-1, +1}) {
    IndexTerms terms = values->index;
    terms.sign = sign;
    const Rational exact = 30 * 8 * pi / (8 * pi * 40 + sign);
    EXPECT_LE(RelativeErrorInEps(IndexRatio(values->cTarget, terms), exact), 10.0);
    EXPECT_NEAR(static_cast<double>(exact), sign < 0 ? 0.7507468 : 0.7492547, 1e-7);
  }
  EXPECT_EQ(values->index.sign, -1);  // row 0
}

TEST(JobValues, FeedConstantAboveThreeIsInverted) {
  for (const auto& [text, expected] :
       std::vector<std::pair<std::string, Rational>>{{"13.3333", Rational(10000, 133333)},
                                                     {"3", Rational(3)},
                                                     {"0.075", Rational(3, 40)}}) {
    Job job;
    job.feedConst = text;
    const auto values = Read(job);
    ASSERT_TRUE(values);
    EXPECT_LE(RelativeErrorInEps(values->feedConstant, expected), 2.0) << text;
  }
}

TEST(JobValues, UnreadableJobIsRefused) {
  std::vector<Job> jobs(8);
  jobs[0].indexConst = "";
  jobs[1].feedConst = "..";
  jobs[2].feedRate = "";
  jobs[3].helix = "1.2.3";
  jobs[4].pitch = "x";
  jobs[5].teeth = 0;  // nothing selected
  jobs[6].hobThreads = "";
  jobs[7].hobThreads = "2x";
  for (const Job& job : jobs) EXPECT_FALSE(Read(job));
  // No set-up row is not an error: it computes as +1.
  Job noRow;
  noRow.row = -1;
  const auto values = Read(noRow);
  ASSERT_TRUE(values);
  EXPECT_EQ(values->index.sign, +1);
}

TEST(JobValues, LongFieldsAreReadWhole) {
  Job job;
  job.indexConst = "30." + std::string(70, '0') + "1";  // settings can hold long texts
  const auto values = Read(job);
  ASSERT_TRUE(values);
  EXPECT_GT(values->index.indexConstant, Decimal100(30));
}

}  // namespace
}  // namespace corvanta
