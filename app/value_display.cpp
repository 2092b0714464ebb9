#include "app/value_display.h"

#include "app/machines_menu.h"
#include "app/subclass.h"
#include "app/win32_controls.h"
#include "resources/resource.h"
#include "window_model/job_changed.h"

namespace corvanta {
namespace {

// Answered once the new value is in place, so that the validation reads it
// (the hob threads are validated; a cell's value decides the stock).
LRESULT OnSetText(HWND display, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallPrevious(display, message, wParam, lParam);
  Win32Controls controls(GetParent(display));
  JobChanged(controls, GeometryChange::kNone);
  // A cell of the gear stock is a machine's value: the title follows it.
  const int id = GetDlgCtrlID(display);
  if (id >= IDC_GEAR_STOCK_CELL_FIRST && id < IDC_GEAR_STOCK_CELL_FIRST + GEAR_STOCK_CELL_COUNT)
    UpdateMachineTitle(GetParent(display));
  return result;
}

}  // namespace

LRESULT CALLBACK ValueDisplayProc(HWND display, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTEXT: return OnSetText(display, message, wParam, lParam);
  }
  return CallPrevious(display, message, wParam, lParam);
}

}  // namespace corvanta
