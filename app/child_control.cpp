#include "app/child_control.h"

namespace corvanta {

HMENU AsMenuId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

HWND MakeChild(HWND window, const ChildControl& child, const char* text) {
  return CreateWindowExA(child.extendedStyle, child.windowClass, text, WS_CHILD | child.style,
                         child.x, child.y, child.width, child.height, window, AsMenuId(child.id),
                         GetModuleHandleW(nullptr), nullptr);
}

}  // namespace corvanta
