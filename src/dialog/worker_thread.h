#pragma once
// The one background thread: it raises the priorities and waits for the window to close.
unsigned __stdcall WorkerThreadProc(void* unused);
