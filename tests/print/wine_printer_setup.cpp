// Installs the tests' file-backed PostScript printer in the Wine prefix
// (a CTest fixture: it runs before the print tests, and again harmlessly).
#include <cstdio>

#include "wine_printer.h"

int main() {
  const std::string problem = corvanta::testing::EnsureSheetPrinter();
  if (!problem.empty()) {
    std::fprintf(stderr, "printer setup: %s\n", problem.c_str());
    return 1;
  }
  std::printf("printer ready, %d printer(s) in the prefix\n", corvanta::testing::PrinterCount());
  return 0;
}
