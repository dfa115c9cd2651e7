// The one way this program dispatches a window message. The main loop, the pauses of the long
// operations (effects, fades, the time adjustment) and the waits for the network all go
// through DispatchOne, so that a modeless dialog keeps Tab, Enter, Escape and its mnemonics
// whichever loop happens to be running.
#pragma once

#include <windows.h>

namespace vistrel {

// A modeless dialog is registered for its lifetime; its keyboard messages then go through
// IsDialogMessage.
void RegisterModelessDialog(HWND dialog);
void UnregisterModelessDialog(HWND dialog);

// Dispatches one message, offering it to the registered modeless dialogs first.
void DispatchOne(MSG& msg);

// Runs every pending message. A quit request is put back for the main loop; true when one was
// seen.
bool ProcessMessages();

// The program's main loop; returns the exit code of the quit request.
int RunMessageLoop();

// Asks the main loop to end. Remembered, so that a modal loop that swallows the quit message on
// its way out (a dialog open while the clock closes) can hand it on.
void RequestQuit(int exit_code);
// Puts a requested quit back in the queue when a nested loop has taken it; true when one was
// requested.
bool RenewQuitRequest();

// Ends the process after ms milliseconds, whatever its main thread is doing then. The close
// starts it once every file is saved: nothing that runs on can then lose anything, and nothing
// can keep a closed program alive.
void EndProcessAfter(unsigned ms);
// Makes the thread that EndProcessAfter wakes; the program's start calls it.
void PrepareProcessEnd();
// Ends the process at once with the quit's exit code: the program's end once its teardown is
// done. Under Wine a plain exit can wait on the window manager for windows the system takes
// away (one with a caption that a file dialog left hidden, say), for seconds.
[[noreturn]] void EndProcessNow();

} // namespace vistrel
