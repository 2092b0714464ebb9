// What a refusal echoes: printable, one line, cut where it must be.
#include "tools/refusal_text.h"

#include <gtest/gtest.h>

#include <string>

namespace corvanta {
namespace {

// Echoes of the command line are cut at 40 bytes (tool_options_test.cpp);
// a path is shown whole up to 200.
TEST(RefusalText, EchoesAreEscapedAndCut) {
  EXPECT_EQ(Quoted("a\nb\x1B[2J\\\xC3\xA9\x7F"), "\"a\\x0Ab\\x1B[2J\\x5C\\xC3\\xA9\\x7F\"");
  EXPECT_EQ(Quoted(std::string(200, 'p'), kEchoedPathBytes), "\"" + std::string(200, 'p') + "\"");
  EXPECT_EQ(Quoted(std::string(201, 'p'), kEchoedPathBytes),
            "\"" + std::string(200, 'p') + "\"... (201 bytes)");
}

// `count` escapes of the byte 0xFF.
std::string Escapes(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "\\xFF";
  return text;
}

// A line of escapes is cut between two of them, within the line's length.
TEST(RefusalText, LinesArePrintableAndNeverLongerThanTheirLimit) {
  const struct {
    std::string message, line;
  } cases[] = {
      {"unexpected: x\ny \\x41", "unexpected: x\\x0Ay \\x41"},
      {std::string(kRefusalLineBytes, 'm'), std::string(kRefusalLineBytes, 'm')},
      {std::string(kRefusalLineBytes + 1, 'm'), std::string(kRefusalLineBytes, 'm') + "..."},
      // 75 escapes of 4 bytes fill the line; the 76th would overrun it.
      {std::string(76, '\xFF'), Escapes(75) + "..."},
      {"x" + std::string(76, '\xFF'), "x" + Escapes(74) + "..."},
  };
  for (const auto& c : cases) EXPECT_EQ(OneLine(c.message), c.line);
}

}  // namespace
}  // namespace corvanta
