#include "commands/executor.h"

#include <windows.h>

#include <new>
#include <stdexcept>
#include <system_error>

#include "commands/command_blocks.h"
#include "commands/command_reports.h"
#include "commands/command_folders.h"
#include "commands/input_validation.h"
#include "texts/command_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

volatile LONG g_CommandRunning = 0;
volatile DWORD g_CommandThread = 0;  // the thread that holds the guard

// A fault inside a system call made by a command (the shell reading a damaged file, say) may be
// swallowed by the system, which then abandons the command's stack: the guard below would never be
// released and every later Execute and Test would be ignored. This handler sees every such fault first
// and releases the guard when the fault is on the command's own thread (a fault that another thread
// handles says nothing about the command); it handles nothing itself.
LONG CALLBACK ReleaseGuardOnFault(EXCEPTION_POINTERS* exception)
{
    if (g_CommandRunning == 0 || GetCurrentThreadId() != g_CommandThread) return EXCEPTION_CONTINUE_SEARCH;
    switch (exception->ExceptionRecord->ExceptionCode) {
    case EXCEPTION_ACCESS_VIOLATION:
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
    case EXCEPTION_DATATYPE_MISALIGNMENT:
    case EXCEPTION_ILLEGAL_INSTRUCTION:
    case EXCEPTION_IN_PAGE_ERROR:
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
    case EXCEPTION_PRIV_INSTRUCTION:
    case EXCEPTION_STACK_OVERFLOW: InterlockedExchange(&g_CommandRunning, 0); break;
    default: break;
    }
    return EXCEPTION_CONTINUE_SEARCH;
}

// Questions have no owner window, so Execute and Test stay clickable behind them: a run started
// while another one waits for an answer is ignored.
class RunningCommand {
public:
    RunningCommand() : first_(InterlockedExchange(&g_CommandRunning, 1) == 0)
    {
        if (first_) g_CommandThread = GetCurrentThreadId();
        static const PVOID handler = AddVectoredExceptionHandler(1, &ReleaseGuardOnFault);
        (void)handler;
    }
    ~RunningCommand()
    {
        if (first_) InterlockedExchange(&g_CommandRunning, 0);
    }
    RunningCommand(const RunningCommand&) = delete;
    RunningCommand& operator=(const RunningCommand&) = delete;
    bool IsFirst() const { return first_; }

private:
    bool first_;
};

void ValidateAndRun(CommandHost& host, bool testOnly)
{
    // The Test button logs its own line before it gets here.
    if (!testOnly) host.AddInfoLine(g_Messages[msg::kExecutePressed]);
    const int index = host.GetSelectedCommandIndex();
    const CommandInputs inputs = ValidateCommandInputs(host, index, testOnly);
    if (inputs.errorFlags != 0) return;
    if (const CommandBlock block = FindCommandBlock(CommandAtLine(index))) block(host, inputs);
}

}  // namespace

bool IsCommandRunning()
{
    return g_CommandRunning != 0;
}

void ExecuteCommand(CommandHost& host, bool testOnly)
{
    const RunningCommand run;
    if (!run.IsFirst()) return;
    // Nothing a command throws may unwind through the window: the user learns that the command
    // failed, and the window goes on.
    try {
        ValidateAndRun(host, testOnly);
    } catch (const FolderNotListed& failure) {
        ReportFailure(host, failure.code, failure.folder);
    } catch (const std::bad_alloc&) {
        ReportFailure(host, ERROR_NOT_ENOUGH_MEMORY);
    } catch (const std::length_error&) {
        ReportFailure(host, ERROR_NOT_ENOUGH_MEMORY);
    } catch (const std::system_error& error) {
        ReportFailure(host, error.code().value());
    } catch (...) {
        ReportFailure(host, ERROR_INTERNAL_ERROR);
    }
}
