// Closing the main window safely while a search or a print runs.
//
// Both run inside a command handler and keep dispatching the window's
// messages meanwhile (the search while it waits for its workers, the print
// while its printer dialog is open). A close request (Alt+F4 reaches the
// window even without a close box) can therefore arrive in the middle of
// one; destroying the window then would free what the running work still
// reads and hand the quit message to the work's own message loop. So a
// close asked for while the window is busy stops a running search and is
// carried out as soon as the work has returned.
#ifndef CORVANTA_APP_CLOSE_GUARD_H
#define CORVANTA_APP_CLOSE_GUARD_H

#include <windows.h>

#include <functional>

namespace corvanta {

// Runs `work` with the main window marked busy (in its WindowState);
// destroys the window afterwards if a close was asked for meanwhile.
void RunWhileBusy(HWND window, const std::function<void()>& work);

// True while a search or a print runs in the main window.
bool WindowBusy(HWND window);

// "E&xit" (button or menu) and the system's close: destroys the window now,
// or, while it is busy, asks a running search to stop and destroys the
// window once the work has returned.
void CloseMainWindow(HWND window);

}  // namespace corvanta

#endif
