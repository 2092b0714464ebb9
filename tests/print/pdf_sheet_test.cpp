// The PDF of the sheet, as the command-line solver writes it; the CTest
// step after this one checks its text (check_sheet_image.sh).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "print/pdf_sheet.h"
#include "tests/support/regression_sheet.h"

namespace corvanta {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first result of the regression job, which no display has shown.
TEST(SheetPdf, WritesOneLetterPageOfTheFirstResult) {
  const std::vector<SheetRun> runs = testing::RegressionSheet(true);
  ASSERT_FALSE(runs.empty());
  std::string error;
  ASSERT_TRUE(WriteSheetPdf(runs, "setup_sheet.pdf", &error)) << error;
  const std::string pdf = ReadFile("setup_sheet.pdf");
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 612 792 ]"), std::string::npos) << "not a Letter page";
  ASSERT_NE(pdf.find("/Type /Page "), std::string::npos);
  EXPECT_EQ(pdf.find("/Type /Page "), pdf.rfind("/Type /Page ")) << "more than one page";
  EXPECT_NE(pdf.find("/FontFile"), std::string::npos) << "fonts not embedded";
}

}  // namespace
}  // namespace corvanta
