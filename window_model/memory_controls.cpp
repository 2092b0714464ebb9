#include "window_model/memory_controls.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace corvanta {

MemoryControls::MemoryControls(int menuBarItems)
    : menuBar_(static_cast<std::size_t>(std::max(menuBarItems, 0)), true),
      menuBarDrawn_(menuBar_) {}

MemoryControls::Control& MemoryControls::At(ControlId id) { return controls_[id]; }

const MemoryControls::Control* MemoryControls::Find(ControlId id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : &it->second;
}

std::string MemoryControls::GetText(ControlId id, std::size_t size) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  if (c == nullptr || size == 0) return {};
  return c->text.substr(0, std::min(c->text.size(), size - 1));
}

void MemoryControls::SetText(ControlId id, std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  Control& c = At(id);
  // A window text ends at its first zero character, as in Win32.
  c.text.assign(text.substr(0, std::min(text.find('\0'), text.size())));
  ++c.textWrites;
}

std::optional<unsigned> MemoryControls::GetUnsigned(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  if (c == nullptr) return std::nullopt;
  // As GetDlgItemInt (unsigned) reads a text: blanks, then the leading
  // digits; no digit at all, or a value beyond 32 bits, is not a number.
  const std::string& t = c->text;
  std::size_t i = t.find_first_not_of(" \t");
  if (i == std::string::npos || t[i] < '0' || t[i] > '9') return std::nullopt;
  std::uint64_t value = 0;
  for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
    value = value * 10 + static_cast<unsigned>(t[i] - '0');
    if (value > 0xFFFFFFFFu) return std::nullopt;
  }
  return static_cast<unsigned>(value);
}

void MemoryControls::Enable(ControlId id, bool enabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  At(id).enabled = enabled;
}

bool MemoryControls::IsEnabled(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  return c == nullptr || c->enabled;
}

void MemoryControls::Show(ControlId id, bool visible) {
  std::lock_guard<std::mutex> lock(mutex_);
  At(id).visible = visible;
}

bool MemoryControls::IsVisible(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  return c == nullptr || c->visible;
}

int MemoryControls::GetSelection(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  return c == nullptr ? kNoSelection : c->selection;
}

std::string MemoryControls::GetItemText(ControlId id, int row) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  if (c == nullptr || row < 0 || static_cast<std::size_t>(row) >= c->items.size()) return {};
  return c->items[static_cast<std::size_t>(row)];
}

bool MemoryControls::IsChecked(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  return c != nullptr && c->checked;
}

void MemoryControls::SetListRows(ControlId id, const std::vector<std::vector<std::string>>& rows) {
  std::lock_guard<std::mutex> lock(mutex_);
  At(id).listRows = rows;
}

int MemoryControls::ListRowCount(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  return c == nullptr ? 0 : static_cast<int>(c->listRows.size());
}

std::string MemoryControls::GetListCell(ControlId id, int row, int column) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  if (c == nullptr || row < 0 || column < 0) return {};
  const auto r = static_cast<std::size_t>(row);
  const auto k = static_cast<std::size_t>(column);
  if (r >= c->listRows.size() || k >= c->listRows[r].size()) return {};
  return c->listRows[r][k];
}

void MemoryControls::SetSpinnerRange(ControlId id, int lower, int upper) {
  std::lock_guard<std::mutex> lock(mutex_);
  Control& c = At(id);
  // UDM_SETRANGE carries each bound in 16 bits.
  c.lower = static_cast<std::int16_t>(lower);
  c.upper = static_cast<std::int16_t>(upper);
}

void MemoryControls::SetSpinnerPosition(ControlId id, int position) {
  std::lock_guard<std::mutex> lock(mutex_);
  Control& c = At(id);
  // The up-down control keeps its position inside its range.
  int lo = std::min(c.lower, c.upper), hi = std::max(c.lower, c.upper);
  c.position = std::clamp(position, lo, hi);
}

int MemoryControls::GetSpinnerPosition(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  return c == nullptr ? 0 : c->position;
}

void MemoryControls::EnableMenuCommand(int command, bool enabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  menuCommands_[command] = enabled;
}

bool MemoryControls::IsMenuCommandEnabled(int command) const {
  std::lock_guard<std::mutex> lock(mutex_);
  auto it = menuCommands_.find(command);
  return it == menuCommands_.end() || it->second;
}

int MemoryControls::MenuBarItemCount() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return static_cast<int>(menuBar_.size());
}

void MemoryControls::EnableMenuBarItem(int position, bool enabled) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (position >= 0 && static_cast<std::size_t>(position) < menuBar_.size())
    menuBar_[static_cast<std::size_t>(position)] = enabled;
}

bool MemoryControls::IsMenuBarItemEnabled(int position) const {
  std::lock_guard<std::mutex> lock(mutex_);
  return position >= 0 && static_cast<std::size_t>(position) < menuBar_.size() &&
         menuBar_[static_cast<std::size_t>(position)];
}

void MemoryControls::RedrawMenuBar() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (updateDepth_ > 0) {
    menuBarRedrawDue_ = true;
    return;
  }
  menuBarDrawn_ = menuBar_;
}

void MemoryControls::Invalidate(int left, int top, int right, int bottom, bool erase) {
  std::lock_guard<std::mutex> lock(mutex_);
  repaints_.push_back({left, top, right, bottom, erase});
}

void MemoryControls::SetResultOnDisplay(bool onDisplay) {
  std::lock_guard<std::mutex> lock(mutex_);
  resultOnDisplay_ = onDisplay;
}

bool MemoryControls::ResultOnDisplay() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return resultOnDisplay_;
}

void MemoryControls::BeginUpdate() {
  std::lock_guard<std::mutex> lock(mutex_);
  ++updateDepth_;
}

void MemoryControls::EndUpdate() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (updateDepth_ == 0 || --updateDepth_ > 0 || !menuBarRedrawDue_) return;
  menuBarRedrawDue_ = false;
  menuBarDrawn_ = menuBar_;
}

void MemoryControls::AddItem(ControlId id, std::string_view text) {
  std::lock_guard<std::mutex> lock(mutex_);
  At(id).items.emplace_back(text);
}

void MemoryControls::Select(ControlId id, int row) {
  std::lock_guard<std::mutex> lock(mutex_);
  Control& c = At(id);
  c.selection = (row >= 0 && static_cast<std::size_t>(row) < c.items.size()) ? row : kNoSelection;
}

void MemoryControls::SetChecked(ControlId id, bool checked) {
  std::lock_guard<std::mutex> lock(mutex_);
  At(id).checked = checked;
}

int MemoryControls::TextWrites(ControlId id) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const Control* c = Find(id);
  return c == nullptr ? 0 : c->textWrites;
}

std::vector<MemoryControls::Repaint> MemoryControls::TakeRepaints() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(repaints_, {});
}

std::vector<bool> MemoryControls::MenuBarAsDrawn() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return menuBarDrawn_;
}

}  // namespace corvanta
