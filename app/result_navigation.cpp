#include "app/result_navigation.h"

#include <commctrl.h>

#include "app/beep.h"
#include "app/subclass.h"
#include "app/win32_controls.h"
#include "resources/resource.h"
#include "window_model/result_display.h"
#include "window_model/result_step.h"

namespace corvanta {
namespace {

void OnSelectorClicked(HWND window, const NMUPDOWN& click) {
  const SolveSession& session = ProgramSolveSession();
  const ResultStep step =
      StepResult(click.iPos, click.iDelta, static_cast<int>(session.results.size()));
  Win32Controls controls(window);
  if (step.show) ShowSearchResult(controls, session, static_cast<std::size_t>(*step.show));
  if (step.beep) Beep(window, kEndOfListBeep);
}

void OnNotify(HWND window, WPARAM wParam, LPARAM lParam) {
  const NMHDR& header = *reinterpret_cast<const NMHDR*>(lParam);
  if (wParam == IDC_RESULT_SELECTOR && header.code == UDN_DELTAPOS)
    OnSelectorClicked(window, *reinterpret_cast<const NMUPDOWN*>(lParam));
}

}  // namespace

LRESULT CALLBACK ResultNavigationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NOTIFY: OnNotify(window, wParam, lParam); break;
  }
  return CallPrevious(window, message, wParam, lParam);
}

}  // namespace corvanta
