// ControlAccess over plain data, for native tests and headless tools.
//
// It behaves as the Win32 controls do for everything the computing code
// relies on, and adds the set-up calls a test or a tool needs to put a job
// into the "window". All calls lock one mutex, so a search worker may set the
// status line while another thread reads.
#ifndef CORVANTA_WINDOW_MODEL_MEMORY_CONTROLS_H
#define CORVANTA_WINDOW_MODEL_MEMORY_CONTROLS_H

#include <map>
#include <mutex>
#include <string>
#include <tuple>
#include <vector>

#include "window_model/control_access.h"

namespace corvanta {

class MemoryControls : public ControlAccess {
 public:
  // A menu bar with `menuBarItems` top-level items, all enabled.
  explicit MemoryControls(int menuBarItems = 7);

  std::string GetText(ControlId id, std::size_t size) const override;
  void SetText(ControlId id, std::string_view text) override;
  std::optional<unsigned> GetUnsigned(ControlId id) const override;
  void Enable(ControlId id, bool enabled) override;
  bool IsEnabled(ControlId id) const override;
  void Show(ControlId id, bool visible) override;
  bool IsVisible(ControlId id) const override;
  int GetSelection(ControlId id) const override;
  std::string GetItemText(ControlId id, int row) const override;
  bool IsChecked(ControlId id) const override;
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
  void RedrawMenuBar() override;
  void Invalidate(int left, int top, int right, int bottom, bool erase) override;
  void SetResultOnDisplay(bool onDisplay) override;
  bool ResultOnDisplay() const override;
  void BeginUpdate() override;
  void EndUpdate() override;

  // Set-up calls, as the operator or the window's creation would do them.
  void AddItem(ControlId id, std::string_view text);
  void Select(ControlId id, int row);  // out of range: no selection
  void SetChecked(ControlId id, bool checked);

  // What a test can watch: text writes, and the repaints asked for.
  struct Repaint {
    int left, top, right, bottom;
    bool erase;
    bool operator==(const Repaint& o) const {
      return std::tie(left, top, right, bottom, erase) ==
             std::tie(o.left, o.top, o.right, o.bottom, o.erase);
    }
  };
  int TextWrites(ControlId id) const;
  std::vector<Repaint> TakeRepaints();  // since the last call
  // The menu bar's items as last drawn (RedrawMenuBar, or the end of the
  // update that asked for it), enabled or not; all enabled at first.
  std::vector<bool> MenuBarAsDrawn() const;

 private:
  struct Control {
    std::string text;
    bool enabled = true;
    bool visible = true;
    std::vector<std::string> items;
    std::vector<std::vector<std::string>> listRows;
    int selection = kNoSelection;
    bool checked = false;
    int lower = 0, upper = 100, position = 0;  // the common controls' defaults
    int textWrites = 0;
  };
  Control& At(ControlId id);
  const Control* Find(ControlId id) const;

  mutable std::mutex mutex_;
  std::map<ControlId, Control> controls_;
  std::map<int, bool> menuCommands_;
  std::vector<bool> menuBar_;
  std::vector<bool> menuBarDrawn_;
  int updateDepth_ = 0;
  bool menuBarRedrawDue_ = false;  // asked for during the update
  std::vector<Repaint> repaints_;
  bool resultOnDisplay_ = false;
};

}  // namespace corvanta

#endif
