// Whether "&Solve" may be pressed: the field ranges at both ends, the tooth
// count, and the search or print in progress.
#include <gtest/gtest.h>

#include <string>

#include "app/validate_inputs.h"
#include "resources/resource.h"
#include "search/search_test_support.h"

namespace corvanta {
namespace {

struct FieldCase {
  ControlId field;
  const char* text;
  bool passes;
};

// Each bound just inside and just outside; texts as a field may hold them.
const FieldCase kFieldCases[] = {
    {IDC_INDEX_CONST, "120", true},       {IDC_INDEX_CONST, "121", false},
    {IDC_INDEX_CONST, "1", true},         {IDC_INDEX_CONST, "0.999", false},
    {IDC_INDEX_CONST, "", false},         {IDC_FEED_CONST, "90", true},
    {IDC_FEED_CONST, "90.0001", false},   {IDC_FEED_CONST, "", true},  // empty counts as 0
    {IDC_HELIX_ANGLE, "89.9", true},      {IDC_HELIX_ANGLE, "89.91", false},
    {IDC_HELIX_ANGLE, "0.000001", true},  {IDC_HELIX_ANGLE, "0.0000009", false},
    {IDC_HELIX_ANGLE, "", false},         {IDC_HELIX_ANGLE, ".", false},
    {IDC_NORMAL_DIAMETRAL_PITCH, "0.35", true},
    {IDC_NORMAL_DIAMETRAL_PITCH, "0.349", false},
    {IDC_NORMAL_DIAMETRAL_PITCH, "360", true},
    {IDC_NORMAL_DIAMETRAL_PITCH, "360.01", false},
    {IDC_FEED_RATE, "0.1", true},         {IDC_FEED_RATE, "0.1001", false},
    {IDC_FEED_RATE, "", true},            {IDC_FEED_RATE, "0", true},
    // The C library's reading: the longest numeric prefix, NaN failing.
    {IDC_FEED_CONST, "12abc", true},      {IDC_FEED_CONST, "nan", false},
    {IDC_INDEX_CONST, "inf", false},
};

TEST(ValidateInputs, EachFieldAtBothEndsOfItsRange) {
  for (const FieldCase& c : kFieldCases) {
    MemoryControls controls;
    testing::SetJob(controls, {});
    controls.Enable(IDC_SOLVE_BUTTON, !c.passes);
    controls.SetText(c.field, c.text);
    EXPECT_EQ(ValidateInputs(controls), c.passes) << c.field << " \"" << c.text << "\"";
    EXPECT_EQ(controls.IsEnabled(IDC_SOLVE_BUTTON), c.passes) << c.field << " " << c.text;
    if (!c.passes) {
      const auto problem = FindInputProblem(controls);
      ASSERT_TRUE(problem);
      EXPECT_EQ(problem->control, c.field);
    }
  }
}

TEST(FindInputProblem, NamesTheFirstFailingTestWithItsRange) {
  MemoryControls controls;
  testing::Job job;
  job.teeth = 0;  // nothing selected
  testing::SetJob(controls, job);
  controls.Enable(IDC_EXIT_BUTTON, false);
  controls.SetText(IDC_FEED_RATE, "0.5");
  controls.SetText(IDC_HELIX_ANGLE, "90");
  // Reported in the order the tests are made, one at a time as each is put right.
  const struct {
    const char* field;
    const char* accepted;
    ControlId fixId;
    const char* fix;
  } steps[] = {
      {"Helix Angle:", "0.000001 to 89.9", IDC_HELIX_ANGLE, "30"},
      {"Feed Rate:", "0 to 0.1", IDC_FEED_RATE, ".025"},
      {"Number of Teeth:", "one of 1 to 500, chosen", 0, nullptr},
      {"E&xit", "enabled: no search or print running", 0, nullptr},
  };
  for (const auto& step : steps) {
    const auto problem = FindInputProblem(controls);
    ASSERT_TRUE(problem) << step.field;
    EXPECT_EQ(problem->field, step.field);
    EXPECT_EQ(problem->accepted, step.accepted);
    if (step.fix != nullptr) controls.SetText(step.fixId, step.fix);
    if (problem->control == IDC_NUMBER_OF_TEETH) controls.Select(IDC_NUMBER_OF_TEETH, 39);
  }
  controls.Enable(IDC_EXIT_BUTTON, true);
  EXPECT_FALSE(FindInputProblem(controls));
  EXPECT_TRUE(ValidateInputs(controls));
}

TEST(ValidateInputs, LooksAtTheFirst58CharactersOnly) {
  MemoryControls controls;
  testing::SetJob(controls, {});
  controls.SetText(IDC_INDEX_CONST, std::string(56, '0') + "1210");  // reads 0000...12
  EXPECT_TRUE(ValidateInputs(controls));
  controls.SetText(IDC_INDEX_CONST, std::string(55, '0') + "121");  // all 58 read: 121
  EXPECT_FALSE(ValidateInputs(controls));
}

}  // namespace
}  // namespace corvanta
