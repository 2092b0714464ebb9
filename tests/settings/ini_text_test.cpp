// Edits of INI text that the settings file cases do not reach: where an added
// key goes, and which bytes an edit must leave as they were.
#include <gtest/gtest.h>

#include "settings/ini_text.h"

namespace corvanta {
namespace {

TEST(IniTextTest, EditsTouchOnlyTheLineOrPlaceTheyMust) {
  struct Case {
    const char* name;
    const char* before;
    const char* after;  // with Feed Rate set to .02 in section Settings
  };
  const Case cases[] = {
      {"added after the last key, before blank lines", "[Settings]\r\nA=1\r\n\r\n[B]\r\n",
       "[Settings]\r\nA=1\r\nFeed Rate=.02\r\n\r\n[B]\r\n"},
      {"last line without line end", "[Settings]\r\nA=1", "[Settings]\r\nA=1\r\nFeed Rate=.02\r\n"},
      {"LF lines stay LF", "[Settings]\nFeed Rate=.01\nA=1\n", "[Settings]\nFeed Rate=.02\nA=1\n"},
      {"section added after a line without line end", "[B]\nA=1",
       "[B]\nA=1\r\n[Settings]\r\nFeed Rate=.02\r\n"},
      {"byte-order mark kept", "\xEF\xBB\xBF[Settings]\r\nFeed Rate=.01\r\n",
       "\xEF\xBB\xBF[Settings]\r\nFeed Rate=.02\r\n"},
      {"only the first section of the name", "[Settings]\r\nA=1\r\n[Settings]\r\nFeed Rate=.01\r\n",
       "[Settings]\r\nA=1\r\nFeed Rate=.02\r\n[Settings]\r\nFeed Rate=.01\r\n"},
      {"keys before any section belong to none", "Feed Rate=.01\r\n",
       "Feed Rate=.01\r\n[Settings]\r\nFeed Rate=.02\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(WithProfileValue(c.before, "Settings", "Feed Rate", ".02"), c.after) << c.name;
    EXPECT_EQ(FindProfileValue(c.after, "Settings", "Feed Rate"), ".02") << c.name;
  }
}

}  // namespace
}  // namespace corvanta
