// The PDF of the sheet, as the command-line solver writes it; the CTest
// step after this one checks its text (check_sheet_image.sh) for the lines
// the test writes to setup_sheet.lines.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "print/pdf_sheet.h"
#include "tests/support/long_lead_sheet.h"

namespace corvanta {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A result no display has shown, of a job with a lead over 1000 inches: the
// page carries the lead line the screen shows for it, whole.
TEST(SheetPdf, WritesOneLetterPageOfTheFirstResult) {
  const testing::SolvedSheet sheet = testing::LongLeadSheet(true);
  ASSERT_FALSE(sheet.runs.empty());
  std::string error;
  ASSERT_TRUE(WriteSheetPdf(sheet.runs, "setup_sheet.pdf", &error)) << error;
  std::ofstream("setup_sheet.lines") << sheet.leadLine << "\n";
  const std::string pdf = ReadFile("setup_sheet.pdf");
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 612 792 ]"), std::string::npos) << "not a Letter page";
  ASSERT_NE(pdf.find("/Type /Page "), std::string::npos);
  EXPECT_EQ(pdf.find("/Type /Page "), pdf.rfind("/Type /Page ")) << "more than one page";
  EXPECT_NE(pdf.find("/FontFile"), std::string::npos) << "fonts not embedded";
}

}  // namespace
}  // namespace corvanta
