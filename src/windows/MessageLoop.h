#pragma once

#include <windows.h>

// Sent to a top-level window with a key message for one of its controls, before anything else
// sees the key (lParam: the MSG). A window that takes the key as a shortcut of its own answers
// TRUE, and the key goes no further.
constexpr UINT WM_SHORTCUT_KEY = WM_APP + 1;

// Hands one message to its window, letting its top-level window take its shortcut keys and
// the dialog manager the keys of each window (Tab, Space, Enter, the arrows) first.
void Dispatch(MSG& message);

// Takes one message at a time from the thread's queue and dispatches it, waiting while the
// queue is empty, until the quit message. Returns the quit message's exit code.
int RunMessageLoop();

// Dispatches the messages already waiting, without waiting for more. False once a quit
// message has been taken.
bool DispatchPendingMessages();
