#include "dialog/worker_thread.h"

#include <windows.h>

Event g_StopEvent(false, false);

unsigned __stdcall WorkerThreadProc(void*)
{
    SetPriorityClass(GetCurrentProcess(), REALTIME_PRIORITY_CLASS);
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    // Only a set event or a failed wait ends the loop; a failed wait must not spin.
    while (WaitForSingleObject(g_StopEvent.Handle(), 10) == WAIT_TIMEOUT) {
    }
    return 0;
}
