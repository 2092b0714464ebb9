// What the main window keeps besides its controls, for as long as it
// exists: the settings its controls start from, its fonts, the searches and
// prints under way, and where its sounds go. One object, owned by whoever
// makes the window (the program's entry, or a test), handed to
// CreateMainWindow and reached from the window itself.
#ifndef CORVANTA_APP_WINDOW_STATE_H
#define CORVANTA_APP_WINDOW_STATE_H

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "app/posted_texts.h"
#include "app/window_fonts.h"
#include "settings/app_settings.h"
#include "settings/machines.h"
#include "settings/settings_location.h"

namespace corvanta {

// Hears the program's sounds instead of the system, for a test that must
// (Wine plays nothing).
using BeepListener = void (*)(unsigned type);

struct WindowState {
  AppSettings startSettings;  // the first texts of the fields and gear-stock cells
  // Where "Save Settings" writes (see LocateSettings): the program's data
  // folder, or a test's own.
  std::optional<std::string> settingsDataFolder = CommonDataFolder();
  WindowFonts fonts;
  int busyDepth = 0;            // searches and prints running (close_guard.h)
  bool closeRequested = false;  // a close that waits for them
  int answeringEdits = 0;       // field edits being answered (numeric_field.cpp)
  BeepListener beepListener = nullptr;
  bool resultOnDisplay = false;  // ControlAccess::ResultOnDisplay
  PostedTexts postedTexts;       // from the search workers, for the window's thread
  std::map<int, HWND> children;  // the child controls by identifier, once made
  // The saved machines as last read from the settings file: read again when
  // the Machines menu opens and after each of its commands, not at every
  // edit that the title follows (machines_menu.cpp).
  std::optional<MachineList> machines;
  bool choosingMachine = false;  // the chosen machine's values going in
};

// Bytes of the window class's extra memory that hold the state's address.
inline constexpr int kWindowStateBytes = sizeof(WindowState*);

// Ties `state` to the main window; called as the window is created.
void AttachWindowState(HWND window, WindowState* state);

// The state of the main window `window` (no other window: the address is
// read from the class's own extra memory); nullptr for nullptr, and before
// the window has been tied to its state.
WindowState* WindowStateOf(HWND window);

}  // namespace corvanta

#endif
