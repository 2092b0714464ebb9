// The PDF of the sheet. What it looks like and that its text is text are
// checked on the written file by the CTest step after this one
// (check_sheet_image.sh): it turns the page into a PNG and extracts the text.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "print/pdf_sheet.h"
#include "tests/print/sheet_test_support.h"

namespace corvanta {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The first result of a real Solve of the regression job (C = 803/35), as
// the command-line solver writes it: no display has shown it.
TEST(SheetPdf, WritesOneLetterPageOfTheFirstResult) {
  MemoryControls window(4);
  testing::SheetJob job;
  job.helix = "30";
  job.teeth = 40;
  testing::SetSheetJob(window, job);
  testing::SetStockRange(window, 30, 90);
  const std::vector<SolveResult> results = testing::Solve(window);
  ASSERT_FALSE(results.empty());
  MemoryControls fresh(4);
  testing::SetSheetJob(fresh, job);

  const std::string path = "setup_sheet.pdf";
  std::string error;
  ASSERT_TRUE(WriteSetupSheetPdf(fresh, results[0], path, &error)) << error;
  const std::string pdf = ReadFile(path);
  EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
  EXPECT_NE(pdf.find("/Type /Page"), std::string::npos);
  EXPECT_NE(pdf.find("/MediaBox [ 0 0 612 792 ]"), std::string::npos) << "not a Letter page";
  EXPECT_EQ(pdf.find("/Type /Page "), pdf.rfind("/Type /Page ")) << "more than one page";
  // Fonts are embedded (the text is drawn as text, not as outlines).
  EXPECT_NE(pdf.find("/FontFile"), std::string::npos);

  // The writer releases its fonts after each sheet; a second one in the same
  // process looks them up again and comes out the same.
  ASSERT_TRUE(WriteSetupSheetPdf(fresh, results[0], "setup_sheet_again.pdf", &error)) << error;
  EXPECT_EQ(ReadFile("setup_sheet_again.pdf").size(), pdf.size());
}

TEST(SheetPdf, AnUnwritablePathIsReportedNotThrown) {
  std::string error;
  EXPECT_FALSE(WriteSheetPdf({}, "no-such-folder/sheet.pdf", &error));
  EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace corvanta
