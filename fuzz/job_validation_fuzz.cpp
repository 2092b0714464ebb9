// Any five texts in the numeric fields and any choice of teeth: the
// validation never crashes, and a job it lets "&Solve" take holds numbers
// the Solve can read: each text is digits with at most one point, and the
// 100-digit parser takes every one with a digit in it (the empty text and a
// lone point count as 0, as typed).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "numeric/decimal_text.h"
#include "settings/job_fields.h"
#include "window_model/field_controls.h"
#include "window_model/field_rules.h"
#include "window_model/memory_controls.h"
#include "window_model/memory_job.h"
#include "window_model/validate_inputs.h"

namespace {

using namespace corvanta;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  JobEntry job;
  job.settings = DefaultAppSettings();
  job.teeth = data[0] % 2 == 0 ? 40 : 0;  // 0: none chosen
  MemoryControls controls;
  EnterJob(controls, job);
  // The texts, separated by newlines; a missing one stays as entered.
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  for (const JobField& field : kJobFields) {
    if (rest.empty()) break;
    const std::size_t end = rest.find('\n');
    controls.SetText(FieldControl(field.id), rest.substr(0, end));
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
  }
  const bool complete = ValidateInputs(controls);
  if (complete != !FindInputProblem(controls).has_value()) std::abort();
  if (!complete) return 0;
  for (const JobField& field : kJobFields) {
    const std::string text = controls.GetText(FieldControl(field.id), kValidatedFieldChars + 1);
    if (!IsFieldText(text)) std::abort();
    if (text.find_first_of("0123456789") != std::string::npos && !ParseDecimal100(text))
      std::abort();
  }
  return 0;
}
