#include "commands/executor.h"

#include "commands/command_blocks.h"
#include "commands/input_validation.h"
#include "texts/text_tables.h"

namespace {

bool g_CommandRunning = false;

// Questions have no owner window, so Execute and Test stay clickable behind them: a run started
// while another one waits for an answer is ignored.
class RunningCommand {
public:
    RunningCommand() : first_(!g_CommandRunning) { g_CommandRunning = true; }
    ~RunningCommand()
    {
        if (first_) g_CommandRunning = false;
    }
    RunningCommand(const RunningCommand&) = delete;
    RunningCommand& operator=(const RunningCommand&) = delete;
    bool IsFirst() const { return first_; }

private:
    bool first_;
};

}  // namespace

bool IsCommandRunning()
{
    return g_CommandRunning;
}

void ExecuteCommand(CommandHost& host, bool testOnly)
{
    const RunningCommand run;
    if (!run.IsFirst()) return;
    // The Test button logs its own line before it gets here.
    if (!testOnly) host.AddInfoLine(g_Messages[0]);
    const int index = host.GetSelectedCommandIndex();
    const CommandInputs inputs = ValidateCommandInputs(host, index, testOnly);
    if (inputs.errorFlags != 0) return;
    if (const CommandBlock block = FindCommandBlock(index)) block(host, inputs);
}
