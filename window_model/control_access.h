// The one way the window model reaches the window's controls.
//
// Every value of the job lives in a child control of the main window; the
// window's rules read and write them here, by control identifier
// (resources/resource.h), and never see a window handle. The computing code
// below them takes plain values. Two implementations exist: Win32Controls
// (app/) over real child windows, and MemoryControls for native tests and
// headless tools. Both behave alike, down to the text cut of GetText and the
// -1 of an empty list selection.
#ifndef CORVANTA_WINDOW_MODEL_CONTROL_ACCESS_H
#define CORVANTA_WINDOW_MODEL_CONTROL_ACCESS_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

using ControlId = int;

// Selection value of a drop-down list with nothing selected (CB_ERR).
inline constexpr int kNoSelection = -1;

class ControlAccess {
 public:
  virtual ~ControlAccess() = default;

  // The control's 8-bit text, cut to at most size - 1 characters, as a read
  // into a buffer of `size` characters gives it. Size 0 gives "".
  virtual std::string GetText(ControlId id, std::size_t size) const = 0;
  // May be called from a search worker's thread (the status line).
  virtual void SetText(ControlId id, std::string_view text) = 0;
  // The control's text as an unsigned decimal number; nullopt when the text
  // is not one (GetDlgItemInt, unsigned).
  virtual std::optional<unsigned> GetUnsigned(ControlId id) const = 0;

  virtual void Enable(ControlId id, bool enabled) = 0;
  virtual bool IsEnabled(ControlId id) const = 0;
  virtual void Show(ControlId id, bool visible) = 0;
  virtual bool IsVisible(ControlId id) const = 0;

  // Drop-down lists: the selected row or kNoSelection; the text of one row
  // ("" for a row that does not exist).
  virtual int GetSelection(ControlId id) const = 0;
  virtual std::string GetItemText(ControlId id, int row) const = 0;

  // Check boxes.
  virtual bool IsChecked(ControlId id) const = 0;

  // Report-style list views: the rows, each its cells left to right,
  // replace whatever the list held (its columns are made with it); a row's
  // cell by row and column ("" for a cell that does not exist).
  virtual void SetListRows(ControlId id, const std::vector<std::vector<std::string>>& rows) = 0;
  virtual int ListRowCount(ControlId id) const = 0;
  virtual std::string GetListCell(ControlId id, int row, int column) const = 0;

  // Spinners (up-down controls).
  virtual void SetSpinnerRange(ControlId id, int lower, int upper) = 0;
  virtual void SetSpinnerPosition(ControlId id, int position) = 0;
  virtual int GetSpinnerPosition(ControlId id) const = 0;

  // The menu bar: items by command identifier, top-level items by position.
  virtual void EnableMenuCommand(int command, bool enabled) = 0;
  virtual bool IsMenuCommandEnabled(int command) const = 0;
  virtual int MenuBarItemCount() const = 0;
  virtual void EnableMenuBarItem(int position, bool enabled) = 0;
  virtual bool IsMenuBarItemEnabled(int position) const = 0;
  virtual void RedrawMenuBar() = 0;

  // Asks for a part of the window's client area to be repainted; `erase`:
  // its background first.
  virtual void Invalidate(int left, int top, int right, int bottom, bool erase) = 0;

  // Whether the main page has a result on display: a fact kept with the
  // window, beside its controls, since no control's text can tell it (a
  // result whose C has no small fraction shows an empty "C: " line). Only
  // the result display (ShowResult), ClearResults and the Solve driver
  // write it.
  virtual void SetResultOnDisplay(bool onDisplay) = 0;
  virtual bool ResultOnDisplay() const = 0;

  // Changes made between BeginUpdate and its EndUpdate are shown together
  // when the outermost EndUpdate comes, rather than each as it is made: the
  // menu bar is redrawn once, however often RedrawMenuBar was called
  // meanwhile. Reads see every change at once. Updates nest.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
};

// One update of `controls` (BeginUpdate) for as long as it lives, however
// its scope is left.
class ControlUpdate {
 public:
  explicit ControlUpdate(ControlAccess& controls) : controls_(controls) { controls_.BeginUpdate(); }
  ~ControlUpdate() { controls_.EndUpdate(); }
  ControlUpdate(const ControlUpdate&) = delete;
  ControlUpdate& operator=(const ControlUpdate&) = delete;

 private:
  ControlAccess& controls_;
};

}  // namespace corvanta

#endif
