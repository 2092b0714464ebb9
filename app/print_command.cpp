#include "app/print_command.h"

#include <optional>

#include "app/win32_controls.h"
#include "print/win32_print_job.h"
#include "window_model/result_display.h"
#include "window_model/sheet_inputs.h"
#include "window_model/window_lock.h"

namespace corvanta {

void PrintSelectedResult(HWND window, const std::vector<SolveResult>& results) {
  SetFocus(nullptr);
  const std::optional<std::size_t> index =
      SelectedResultIndex(Win32Controls(window), results.size());
  if (!index) {
    MessageBoxW(window, L"Print error", L"Info", MB_OK);
    return;
  }
  PrintSetupSheet(window, results, *index);
}

void PrintSetupSheet(HWND window, const std::vector<SolveResult>& results, std::size_t index) {
  if (index >= results.size()) return;
  // A copy: the printer dialog dispatches the window's messages while it is
  // open, and the sheet must not depend on the list staying as it was.
  const SolveResult result = results[index];
  Win32Controls controls(window);
  const PrintLock lock(controls);
  PrintSheet(window, [&] { return ComposeSetupSheet(ReadSheetInputs(controls), result); });
}

}  // namespace corvanta
