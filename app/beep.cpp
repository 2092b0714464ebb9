#include "app/beep.h"

#include <windows.h>

namespace corvanta {
namespace {

BeepListener listener = nullptr;

}  // namespace

void Beep(unsigned type) {
  if (listener != nullptr) {
    listener(type);
    return;
  }
  MessageBeep(type);
}

void SetBeepListener(BeepListener newListener) { listener = newListener; }

}  // namespace corvanta
