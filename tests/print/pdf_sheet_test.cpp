// The PDF of the sheet, as the command-line solver writes it; the CTest
// step after this one checks its text (check_sheet_image.sh) for the lines
// the test writes to setup_sheet.lines. And what a write that fails leaves
// behind.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "print/file_replacement.h"
#include "print/pdf_sheet.h"
#include "tests/support/file_faults.h"
#include "tests/support/long_lead_sheet.h"

namespace corvanta {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

// An empty folder of the test's own below the system's temporary folder.
fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::temp_directory_path() / (name + "-" + std::to_string(getpid()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// A sheet of one line, for the tests of the write itself.
const std::vector<SheetRun> kOneLine = {
    {true, 1, 0.5, SheetAlign::kCentre, SheetFontId::kSheet, "Change Gears"}};

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

// A sheet that cannot be written says why in the system's words, and
// leaves neither a half-written file nor a changed old sheet behind; once
// the fault is gone, the sheet replaces the old one and keeps its mode.
TEST(SheetPdf, FailedWriteSaysWhyAndKeepsTheOldSheet) {
  const fs::path folder = FreshFolder("corvanta-sheet");
  fs::create_directories(folder / "a folder");
  ::mkfifo((folder / "pipe").c_str(), 0600);
  const fs::path sheet = folder / "sheet.pdf";
  const std::string old = "%PDF- the sheet of yesterday's job";
  WriteBytes(sheet, old);
  fs::permissions(sheet, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

  const auto applied = [](auto guard) { return guard->Applied() ? guard : nullptr; };
  const struct {
    const char* fault;
    fs::path target;
    std::function<std::shared_ptr<void>()> make;  // nullptr: not here
    int reason;  // errno; 0 where it depends on how the fault was made
  } faults[] = {
      {"missing folder", folder / "none" / "sheet.pdf", nullptr, ENOENT},
      {"a directory", folder / "a folder", nullptr, EISDIR},
      {"a pipe nobody reads", folder / "pipe", nullptr, ENXIO},
      {"full disk", "/dev/full", nullptr, ENOSPC},
      {"file-size limit", sheet, [] { return std::make_shared<testing::FileSizeLimit>(100); },
       EFBIG},
      {"read-only folder", sheet,
       [&] { return applied(std::make_shared<testing::Unchangeable>(folder.string())); }, 0},
      {"failed rename", sheet,
       [&] { return applied(std::make_shared<testing::Unchangeable>(sheet.string())); }, EPERM},
  };
  const std::vector<std::string> entries = testing::FolderEntries(folder);
  std::string notPossible;
  for (const auto& f : faults) {
    SCOPED_TRACE(f.fault);
    std::string error;
    {
      const std::shared_ptr<void> fault = f.make ? f.make() : std::make_shared<int>();
      if (!fault) {
        notPossible += std::string(" ") + f.fault;
        continue;
      }
      EXPECT_FALSE(WriteSheetPdf(kOneLine, f.target.string(), &error));
      EXPECT_EQ(error, f.reason ? std::strerror(f.reason) : error);
      EXPECT_NE(error, "");
    }
    EXPECT_EQ(ReadFile(sheet.string()), old);
    EXPECT_EQ(testing::FolderEntries(folder), entries);
  }

  std::string error;
  ASSERT_TRUE(WriteSheetPdf(kOneLine, sheet.string(), &error)) << error;
  EXPECT_EQ(ReadFile(sheet.string()).rfind("%PDF-", 0), 0u);
  EXPECT_EQ(fs::status(sheet).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(testing::FolderEntries(folder), entries);
  fs::remove_all(folder);
  if (!notPossible.empty()) GTEST_SKIP() << "faults this machine cannot make:" << notPossible;
}

// A sheet may have the longest name the folder allows: the temporary file
// it is written through has a name of its own length, not the target's.
TEST(SheetPdf, TheLongestFileNameIsWritten) {
  const fs::path folder = FreshFolder("corvanta-sheet-name");
  const auto longest = static_cast<std::size_t>(::pathconf(folder.c_str(), _PC_NAME_MAX));
  const fs::path sheet = folder / (std::string(longest - 4, 'n') + ".pdf");
  std::string error;
  EXPECT_TRUE(WriteSheetPdf(kOneLine, sheet.string(), &error)) << error;
  EXPECT_EQ(testing::FolderEntries(folder), std::vector<std::string>{sheet.filename().string()});
  fs::remove_all(folder);
}

// A program stopped by SIGINT or SIGTERM while it writes a sheet leaves no
// temporary file, and still ends by that signal; SIGKILL, which no program
// can catch, leaves one (the case shows that the check sees it). Each stop
// comes in a child process, in the middle of the write.
TEST(SheetPdf, AStopWhileWritingLeavesNoTemporaryFile) {
  const fs::path folder = FreshFolder("corvanta-sheet-stop");
  const fs::path sheet = folder / "sheet.pdf";
  WriteBytes(sheet, "yesterday's sheet");
  for (const int signal : {SIGINT, SIGTERM, SIGKILL}) {
    SCOPED_TRACE(strsignal(signal));
    const pid_t child = ::fork();
    if (child == 0) {
      RemoveTemporaryFilesWhenStopped();
      FileReplacement file(sheet.string());
      file.Write("%PDF-", 5);
      ::raise(signal);
      ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(ReadFile(sheet.string()), "yesterday's sheet");
    EXPECT_EQ(testing::FolderEntries(folder).size(), signal == SIGKILL ? 2u : 1u);
  }
  fs::remove_all(folder);
}

}  // namespace
}  // namespace corvanta
