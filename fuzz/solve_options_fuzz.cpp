// Any command line for corvanta-solve (arguments separated by zero bytes),
// read as it reads one and made into a job over the default settings: no
// crash and no undefined behaviour, and every refusal prints as one line of
// printable characters, never longer than a refusal line may be.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "settings/app_settings.h"
#include "tools/refusal_text.h"
#include "tools/solve_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace corvanta;
  std::vector<std::string> args = {kSolveProgram};
  args.emplace_back();
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0) {
      args.emplace_back();
    } else {
      args.back() += static_cast<char>(data[i]);
    }
  }
  std::vector<const char*> argv;
  for (const std::string& arg : args) argv.push_back(arg.c_str());
  try {
    const SolveOptions options = ParseSolveOptions(static_cast<int>(argv.size()), argv.data());
    // A --settings file is not read here: the job starts from the defaults.
    if (options.help.empty()) BuildSolveJob(options, DefaultAppSettings());
  } catch (const Refusal& refusal) {
    const std::string line = OneLine(refusal.message);
    if (line.size() > kRefusalLineBytes + 3) std::abort();
    for (char c : line)
      if (c < 0x20 || c >= 0x7F) std::abort();
  }
  return 0;
}
