#pragma once

#include <windows.h>

// Hands one message to its window, letting the dialog manager have the keys of each window
// first (Tab, Space, Enter, the arrows).
void Dispatch(MSG& message);

// Takes one message at a time from the thread's queue and dispatches it, waiting while the
// queue is empty, until the quit message. Returns the quit message's exit code.
int RunMessageLoop();

// Dispatches the messages already waiting, without waiting for more. False once a quit
// message has been taken.
bool DispatchPendingMessages();
