#pragma once
// The one background thread: it raises the priorities and waits for the window to close.
#include "framework/event.h"

// Auto-reset; reset before the thread starts and set once when the window closes. It outlives every
// window, so that a thread left waiting never waits on a closed handle.
extern Event g_StopEvent;

unsigned __stdcall WorkerThreadProc(void* unused);
