// One child control of the main window as the tables that lay out its pages
// give it, and its creation.
#ifndef CORVANTA_APP_CHILD_CONTROL_H
#define CORVANTA_APP_CHILD_CONTROL_H

#include <windows.h>

namespace corvanta {

struct ChildControl {
  int id;
  const char* windowClass;
  const char* text;
  int x, y, width, height;
  DWORD style;  // WS_CHILD is added
  DWORD extendedStyle;
};

// The control identifier `id` as CreateWindowEx takes it.
HMENU AsMenuId(int id);

// Creates `child` in `window`, showing `text` (by default its own).
HWND MakeChild(HWND window, const ChildControl& child, const char* text);
inline HWND MakeChild(HWND window, const ChildControl& child) {
  return MakeChild(window, child, child.text);
}

}  // namespace corvanta

#endif
