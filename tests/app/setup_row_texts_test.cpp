// The texts of the hand/cut chooser's rows and where they stand.
#include <gtest/gtest.h>

#include "app/setup_row_texts.h"

namespace corvanta {
namespace {

std::wstring Row(int row) {
  std::wstring joined;
  for (const RowText& text : SetupRowTexts(row))
    joined += std::to_wstring(text.x) + L":" + text.text + L" ";
  return joined;
}

TEST(SetupRowTextsTest, EveryRowLinesUpUnderTheHeads) {
  // Drawn in the fixed order: right-hand, conventional, minus, TC, one-stud
  // texts first, then the others.
  const wchar_t* expected[] = {
      L"23:RH 93:RH 145:Conventional 260:- 310:TC 390:1 480:1 ",
      L"23:RH 93:RH 310:TC 390:1 172:Climb 258:+ 480:2 ",
      L"23:RH 145:Conventional 310:TC 390:1 480:1 93:LH 258:+ ",
      L"23:RH 260:- 310:TC 390:1 93:LH 172:Climb 480:2 ",
      L"145:Conventional 260:- 23:LH 93:LH 310:TG 390:2 480:2 ",
      L"480:1 23:LH 93:LH 172:Climb 258:+ 310:TG 390:2 ",
      L"93:RH 145:Conventional 23:LH 258:+ 310:TG 390:2 480:2 ",
      L"93:RH 260:- 480:1 23:LH 172:Climb 310:TG 390:2 ",
  };
  for (int row = 0; row < 8; ++row) EXPECT_EQ(Row(row), expected[row]) << "row " << row;
}

TEST(SetupRowTextsTest, RowsOutsideTheTableDrawNothing) {
  EXPECT_TRUE(SetupRowTexts(-1).empty());  // an empty selection
  EXPECT_TRUE(SetupRowTexts(8).empty());
}

}  // namespace
}  // namespace corvanta
