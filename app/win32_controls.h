// ControlAccess over the real child windows of the main window.
#ifndef CORVANTA_APP_WIN32_CONTROLS_H
#define CORVANTA_APP_WIN32_CONTROLS_H

#include <windows.h>

#include "window_model/control_access.h"

namespace corvanta {

class Win32Controls : public ControlAccess {
 public:
  explicit Win32Controls(HWND window) : window_(window) {}

  HWND window() const { return window_; }

  // What GetDlgItemTextA gives; a static text is read without sending it
  // WM_GETTEXT (the answer is the same, see win32_controls.cpp).
  std::string GetText(ControlId id, std::size_t size) const override;
  // From a thread other than the window's the text is left for the
  // window's thread (WindowState::postedTexts), which shows it when it next
  // pumps its messages during a Solve: the caller never waits for it.
  void SetText(ControlId id, std::string_view text) override;
  std::optional<unsigned> GetUnsigned(ControlId id) const override;
  void Enable(ControlId id, bool enabled) override;
  bool IsEnabled(ControlId id) const override;
  void Show(ControlId id, bool visible) override;
  bool IsVisible(ControlId id) const override;
  int GetSelection(ControlId id) const override;
  std::string GetItemText(ControlId id, int row) const override;
  bool IsChecked(ControlId id) const override;
  // The list is filled in one go, drawn once at the end.
  void SetListRows(ControlId id, const std::vector<std::vector<std::string>>& rows) override;
  int ListRowCount(ControlId id) const override;
  std::string GetListCell(ControlId id, int row, int column) const override;
  void SetSpinnerRange(ControlId id, int lower, int upper) override;
  void SetSpinnerPosition(ControlId id, int position) override;
  int GetSpinnerPosition(ControlId id) const override;
  void EnableMenuCommand(int command, bool enabled) override;
  bool IsMenuCommandEnabled(int command) const override;
  int MenuBarItemCount() const override;
  void EnableMenuBarItem(int position, bool enabled) override;
  bool IsMenuBarItemEnabled(int position) const override;
  // Repaints the menu bar's strip of the window's frame, where DrawMenuBar
  // would lay out the whole frame again (under Wine that moves the window
  // on the X server and takes several times longer). Greying or enabling
  // items leaves the bar's height as it was.
  void RedrawMenuBar() override;
  void Invalidate(int left, int top, int right, int bottom, bool erase) override;
  // Kept in the main window's WindowState.
  void SetResultOnDisplay(bool onDisplay) override;
  bool ResultOnDisplay() const override;
  // The update belongs to this object: another Win32Controls over the same
  // window draws as it goes.
  void BeginUpdate() override;
  void EndUpdate() override;

 private:
  // The child window of control `id`: from the table of the main window's
  // children (WindowState::children) when it has one, else GetDlgItem, which
  // under Wine lists every child of the window at each call (the window
  // has about six hundred, and a Solve asks for some four hundred).
  HWND Item(ControlId id) const;
  void DrawMenuBarStrip() const;
  HWND window_;
  int updateDepth_ = 0;
  bool menuBarRedrawDue_ = false;  // asked for during the update
};

}  // namespace corvanta

#endif
