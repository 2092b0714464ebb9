#include "app/value_display.h"

#include "app/subclass.h"
#include "app/win32_controls.h"
#include "window_model/clear_results.h"
#include "window_model/validate_inputs.h"

namespace corvanta {
namespace {

void OnValueChanging(HWND display) {
  Win32Controls controls(GetParent(display));
  ClearResults(controls);
  ValidateInputs(controls);
}

}  // namespace

LRESULT CALLBACK ValueDisplayProc(HWND display, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: OnValueChanging(display); break;
  }
  return CallPrevious(display, message, wParam, lParam);
}

}  // namespace corvanta
