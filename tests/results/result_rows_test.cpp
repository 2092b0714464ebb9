// The list of results: its sort orders on rows whose values tie, or differ
// only past the digits shown, and its text for the clipboard and as CSV.
// (The window model's tests hold the rows' texts against known results.)
#include "results/result_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvanta {
namespace {

// Rows numbered from 1 whose lead errors are `leadErrors`, each cell saying
// which row it is.
std::vector<ResultRow> RowsWithLeadErrors(const std::vector<Decimal100>& leadErrors) {
  std::vector<ResultRow> rows(leadErrors.size());
  for (std::size_t k = 0; k < rows.size(); ++k) {
    rows[k].number = k + 1;
    rows[k].numbers.leadError = leadErrors[k];
    for (std::size_t column = 0; column < kResultColumnCount; ++column)
      rows[k].cells[column] = std::to_string(k + 1) + ResultColumnTitles()[column];
    rows[k].storedFeedError = "f" + std::to_string(k + 1);
    rows[k].storedC = "c" + std::to_string(k + 1);
  }
  return rows;
}

// The rows' numbers in the order of the sort by `column`.
std::vector<std::size_t> Sorted(const std::vector<ResultRow>& rows, ResultColumn column,
                                bool descending) {
  std::vector<std::size_t> numbers;
  for (const std::size_t k : SortedRowOrder(rows, column, descending))
    numbers.push_back(rows[k].number);
  return numbers;
}

// Rows 2 and 5 tie, as do rows 1 and 3; row 4's error and row 6's zero
// both show as 0.0000000000, the first a hair below zero. Equal keys keep
// the Solve's order both ways; the number column gives it back, or its
// reverse.
TEST(ResultRows, SortOrdersKeepTiesInTheSolvesOrder) {
  const Decimal100 tiny = Decimal100(-1) / Decimal100("1e90");
  const std::vector<ResultRow> rows =
      RowsWithLeadErrors({Decimal100(2), Decimal100(-1), Decimal100(2), tiny, Decimal100(-1), 0});
  using V = std::vector<std::size_t>;
  EXPECT_EQ(Sorted(rows, ResultColumn::kLeadError, false), (V{2, 5, 4, 6, 1, 3}));
  EXPECT_EQ(Sorted(rows, ResultColumn::kLeadError, true), (V{1, 3, 6, 4, 2, 5}));
  EXPECT_EQ(Sorted(rows, ResultColumn::kNumber, false), (V{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(Sorted(rows, ResultColumn::kNumber, true), (V{6, 5, 4, 3, 2, 1}));
  // Every lead equal (zero): the Solve's order, whichever way.
  EXPECT_EQ(Sorted(rows, ResultColumn::kLead, true), (V{1, 2, 3, 4, 5, 6}));
  EXPECT_TRUE(SortedRowOrder({}, ResultColumn::kC, false).empty());
}

// Tabs and CR LF for the clipboard, the rows in the order given; CSV with
// the fixed head line, every row in the order given, the stored values
// last.
TEST(ResultRows, ClipboardTextAndCsv) {
  const std::vector<ResultRow> rows = RowsWithLeadErrors({0, 0});
  EXPECT_EQ(ResultsTabText(rows, {1, 0}),
            "Result\tIndex\tFeed\tC\tLead\tLead Error\tFeed Error\tActual Feed\tAlong Helix\r\n"
            "2Result\t2Index\t2Feed\t2C\t2Lead\t2Lead Error\t2Feed Error\t2Actual Feed\t"
            "2Along Helix\r\n"
            "1Result\t1Index\t1Feed\t1C\t1Lead\t1Lead Error\t1Feed Error\t1Actual Feed\t"
            "1Along Helix\r\n");
  EXPECT_EQ(ResultsCsv(rows),
            "Result,Index,Feed,C,Lead,Lead Error,Feed Error,Actual Feed,Along Helix,"
            "Stored Feed Error,Stored C\r\n"
            "1Result,1Index,1Feed,1C,1Lead,1Lead Error,1Feed Error,1Actual Feed,1Along Helix,"
            "f1,c1\r\n"
            "2Result,2Index,2Feed,2C,2Lead,2Lead Error,2Feed Error,2Actual Feed,2Along Helix,"
            "f2,c2\r\n");
  EXPECT_EQ(ResultsCsv({}), std::string(kResultsCsvHead) + "\r\n");
}

// A cell is quoted only when it must be, its quotes doubled.
TEST(ResultRows, CsvCellsQuotedWhereNeeded) {
  EXPECT_EQ(CsvField("44 x 73 / 69 x 62"), "44 x 73 / 69 x 62");
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("1,5"), "\"1,5\"");
  EXPECT_EQ(CsvField("say \"C\""), "\"say \"\"C\"\"\"");
  EXPECT_EQ(CsvField("a\r\nb"), "\"a\r\nb\"");
  EXPECT_EQ(CsvField("a\nb"), "\"a\nb\"");
}

}  // namespace
}  // namespace corvanta
