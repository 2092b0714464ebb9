// corvanta-solve's options beyond the window's fields: the set-up row by
// its meaning, and the nearest option to one it does not know.
#include <gtest/gtest.h>

#include "tools/setup_options.h"
#include "tools/unknown_option.h"

namespace corvanta {
namespace {

constexpr std::nullopt_t kNone = std::nullopt;

// Every row by its full meaning; a part meaning completed from row 0 or from
// the --setup row it agrees with.
TEST(SetupOptions, ChooseTheRowOfTheMeaningTheRestFromTheSetupRow) {
  struct Case {
    int setupRow;
    bool setupGiven;
    SetupMeaning meaning;
    int row;
  };
  const Case cases[] = {
      {0, false, {}, 0},
      {0, false, {"RH", "RH", "conventional"}, 0},
      {0, false, {"RH", "RH", "climb"}, 1},
      {0, false, {"RH", "LH", "conventional"}, 2},
      {0, false, {"RH", "LH", "climb"}, 3},
      {0, false, {"LH", "LH", "conventional"}, 4},
      {0, false, {"LH", "LH", "climb"}, 5},
      {0, false, {"LH", "RH", "conventional"}, 6},
      {0, false, {"LH", "RH", "climb"}, 7},
      {0, false, {kNone, kNone, "climb"}, 1},
      {0, false, {"LH", kNone, kNone}, 6},
      {0, false, {kNone, "LH", "climb"}, 3},
      {5, true, {}, 5},
      {5, true, {"LH", kNone, kNone}, 5},
      {3, true, {"RH", "LH", "climb"}, 3},
  };
  for (const Case& c : cases) {
    std::string refusal;
    EXPECT_EQ(ChooseSetupRow(c.setupRow, c.setupGiven, c.meaning, &refusal), c.row)
        << c.setupRow << " " << c.meaning.hob.value_or("-") << " " << c.meaning.gear.value_or("-")
        << " " << c.meaning.cut.value_or("-");
    EXPECT_EQ(refusal, "");
  }
}

TEST(SetupOptions, RefuseAMeaningThatDisagreesWithTheSetupGiven) {
  const std::vector<std::tuple<int, SetupMeaning, std::string>> cases = {
      {0,
       {"LH", kNone, kNone},
       "--hob LH disagrees with --setup 0 (RH hob, RH gear, conventional cut)"},
      {5,
       {kNone, "RH", "conventional"},
       "--gear RH and --cut conventional disagree with --setup 5 (LH hob, LH gear, climb cut)"},
  };
  for (const auto& [setupRow, meaning, message] : cases) {
    std::string refusal;
    EXPECT_EQ(ChooseSetupRow(setupRow, true, meaning, &refusal), std::nullopt);
    EXPECT_EQ(refusal, message);
  }
}

TEST(SetupOptions, TakeTheirWordsInAnyCaseAndRefuseOthers) {
  CLI::App app;
  SetupMeaning meaning;
  AddSetupMeaningOptions(app, meaning);
  app.parse("--hob lh --cut CLIMB");
  EXPECT_EQ(meaning.hob, "LH");
  EXPECT_EQ(meaning.gear, std::nullopt);
  EXPECT_EQ(meaning.cut, "climb");
  try {
    app.parse("--gear XX");
    ADD_FAILURE() << "--gear XX was taken";
  } catch (const CLI::ValidationError& error) {
    EXPECT_STREQ(error.what(), "--gear: XX not in {RH,LH}");
  }
}

TEST(UnknownOption, NearestNameIsOneItBeginsElseTheFewestEdits) {
  const std::vector<std::string> names = {
      "--help", "--version", "--index-const", "--feed-const", "--feed-rate",  "--helix",
      "--ndp",  "--teeth",   "--hob-threads", "--setup",      "--hob",        "--gear",
      "--cut",  "--whole-c", "--stock",       "--settings",   "--processors", "--results",
      "--json", "--sheet",   "--sheet-result"};
  const std::pair<const char*, const char*> cases[] = {
      {"--helx", "--helix"},    // a letter left out, not one changed (--help)
      {"--heliix", "--helix"},  // a letter doubled
      {"--procesors", "--processors"},
      {"--teeht", "--teeth"},  // two letters swapped
      {"--gaer", "--gear"},
      {"--ndb", "--ndp"},                 // a letter changed
      {"--hob-thread", "--hob-threads"},  // begun: before the nearer --hob
      {"--set", "--setup"},               // begun by two: the fewer edits
      {"--feed", "--feed-rate"},
      {"--result=5", "--results"},  // its value aside
      {"-ndp", "--ndp"},            // one dash
  };
  for (const auto& [unknown, nearest] : cases) EXPECT_EQ(NearestName(unknown, names), nearest);
}

}  // namespace
}  // namespace corvanta
