// The real main window, made in the test's own process and driven with the
// window messages that the keyboard, the mouse and the menus send.
#ifndef CORVANTA_TESTS_APP_WINDOW_FIXTURE_H
#define CORVANTA_TESTS_APP_WINDOW_FIXTURE_H

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/app_settings.h"

namespace corvanta::testing {

// States of the Copy and Paste items, read while the popup menu is open.
struct PopupStates {
  bool copyEnabled = false;
  bool pasteEnabled = false;
};

// A message box as a test saw it.
struct MessageBoxSeen {
  std::string caption;
  std::string text;
};

class MainWindowFixture : public ::testing::Test {
 public:
  // Beeps heard since SetUp.
  static std::vector<unsigned>& Beeps();

  // What the window shows.
  HWND Item(int id) const { return GetDlgItem(window_, id); }
  std::string Text(int id) const;
  bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
  // The control's own visibility flag.
  bool Visible(int id) const;
  int Selection(int id) const;
  int SpinnerPosition(int id) const;
  bool MenuEnabled(int command) const;
  bool MenuBarItemEnabled(int position) const;

 protected:
  void SetUp() override;
  void TearDown() override;

  // The settings the window starts from; the defaults unless a test says.
  virtual AppSettings StartSettings() const { return DefaultAppSettings(); }

  // Dispatches whatever waits in the thread's queue.
  void Pump() const;

  // Typing: each character as WM_CHAR then WM_KEYUP, with the focus in the
  // field. "\b" is Backspace, "\t" is Tab.
  void Type(int field, const std::string& keys);
  // Selects the field's whole text, then types `text` over it (an empty
  // text deletes it with Backspace).
  void Retype(int field, const std::string& text);
  // Puts the caret (or a selection) into a field, as the mouse would.
  void Select(int field, int start, int end);
  std::pair<int, int> SelectionOf(int field) const;

  // A new row in a drop-down list, with the notification the list sends.
  void Choose(int list, int row);
  // A click on a button (BM_CLICK, which sends its BN_CLICKED).
  void Click(int button);
  // A menu command, as the menu sends it.
  void Menu(int command);
  // A click on a spinner's arrow: up (right for a horizontal one) or down.
  void ClickSpinner(int spinner, bool up);

  // The clipboard's text (nullopt: empty the clipboard).
  void SetClipboard(const std::optional<std::string>& text);
  // Right click in a field: opens its popup, reads its items and closes it.
  PopupStates OpenPopup(int field);
  // The popup's "Paste" or "Copy", as the menu delivers it to the field.
  void ChoosePopupItem(int field, UINT item);

  // Does `act`, answering with OK the message box it opens (modal: read
  // and closed from inside its own loop). The box's caption and text, or
  // nothing when no box opened.
  std::optional<MessageBoxSeen> AnswerMessageBox(const std::function<void()>& act);

  // A pixel of the window's client area, after it has painted.
  COLORREF ClientPixel(int x, int y);

  // A complete job: the given helix angle, pitch and tooth count; the
  // constants and feed rate come from the settings.
  void EnterJob(const std::string& helix, const std::string& pitch, int teeth);

  HWND window_ = nullptr;
};

}  // namespace corvanta::testing

#endif
