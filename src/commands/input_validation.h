#pragma once
// The check of a command line's inputs that runs before every command, Execute and Test alike.
#include <cstdint>

#include "commands/command_host.h"
#include "framework/strings.h"

// Bits of CommandInputs::errorFlags.
inline constexpr uint16_t kInvalidSource = 0x0001;
inline constexpr uint16_t kInvalidTarget = 0x0002;
inline constexpr uint16_t kTargetNotEmpty = 0x0004;
inline constexpr uint16_t kSearchTextMissing = 0x0008;
inline constexpr uint16_t kReplaceTextMissing = 0x0010;
inline constexpr uint16_t kInvalidM3uSource = 0x0020;
inline constexpr uint16_t kUnknownCommand = 0x0100;
inline constexpr uint16_t kSeparatorSelected = 0x0200;
inline constexpr uint16_t kNotACommand = 0x0400;
inline constexpr uint16_t kTestPassed = 0x8000;  // Test only, in place of 0: the run ends all the same

// The inputs the line requires, as checked; the others stay empty.
struct CommandInputs {
    uint16_t errorFlags = 0;  // 0: the command may run
    CString replaceText;
    CString searchText;       // as typed, not trimmed
    CString targetPath;       // ends in "\" when not empty
    CString sourcePath;       // a folder ends in "\"; a playlist file is as typed
};

// Reports every fault in the information list and gathers them in one counted box; completes the
// folder paths in their edits; after a check without fault remembers the line's paths in the pools.
CommandInputs ValidateCommandInputs(CommandHost& host, int index, bool testOnly);
